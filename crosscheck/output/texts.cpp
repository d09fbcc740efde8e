// This file is UTF-8: the Russian texts go into the outputs as they stand here.

#include "crosscheck/output/texts.h"

namespace crosscheck {
namespace {

static_assert(sizeof("Ж") == 3, "narrow string literals must be UTF-8");

constexpr CheckTexts kEnglish = {
    .htmlLanguage = "en",
    .pageTitle = "Cross-check results",
    .logsChecked = "Logs checked",
    .filesNotRead = "Files not read",
    .filesNotChecked = "Files not checked",
    .qsoLines = "QSO lines",
    .window = "Time window",
    .noLogRule = "No-log QSOs count when the call is in at least {0} logs",
    .uniquesCounted = "Uniques count",
    .uniquesNotCounted = "Uniques do not count",
    .period = "Contest period (UTC)",
    .penalties = "Penalty points per QSO: {0}",
    .noPenalties = "No penalty points",
    .wholeLog = "every QSO of the logs",
    .figuresHeading = "Contest-wide figures",
    .figuresNote = "Every QSO line of the checked logs, by verdict.",
    .verdict = "Verdict",
    .lines = "Lines",
    .share = "Share",
    .verdictNames = {"Confirmed", "No log sent", "Not in the other log (NIL)", "Busted call",
                     "Busted number", "Unique", "Repeat within a tour", "Out of the contest"},
    .clocksHeading = "Clock offsets",
    .clocksNote =
        "Each log's clock against the others, estimated from the QSOs that both logs hold "
        "and applied before tours and repeats were judged. Positive: the clock was ahead.",
    .clocksChartTitle = "Logs by clock offset",
    .logs = "Logs",
    .offsetUnder = "under {0}",
    .offsetUnknown = "unknown",
    .clocksListed = "Logs whose clock was off by a minute or more, or is in doubt",
    .clockOffset = "Offset",
    .matches = "Matches",
    .resultsHeading = "Results by category",
    .resultsNote =
        "Checked score = (points − penalty) × Kvant: a point per counted QSO, less the "
        "penalty points, times the Kvant of the counted QSOs. QSO lines: all of the log; the "
        "reduction is against the claimed score.",
    .noCategory = "No category given",
    .place = "Place",
    .call = "Call",
    .claimed = "Claimed",
    .checked = "Checked",
    .reduction = "Reduction, %",
    .qsos = "QSOs",
    .points = "Points",
    .penalty = "Penalty",
    .kvant = "Kvant",
    .file = "File",
    .reason = "Reason",
    .supersededBy = "another log of the same call counts: {0}",
    .none = "None.",
    .footer = "Written by crosscheck from the participants' logs.",
    .ubnTitle = "UBN report",
    .category = "Category",
    .categoryInLog = "in the log: {0}",
    .categoryGiven = "given by the organisers",
    .categoryUnclear =
        "the log's \"{0}\" is none of the contest's categories; the organisers can give it "
        "(--categories)",
    .categoryMissing = "the log gives none; the organisers can give it (--categories)",
    .notCountedFiles = "Not counted, as this file of the call was modified last: {0}",
    .scores = "Claimed score {0}, checked score {1}, reduction {2} %",
    .lineCounts = "QSO lines {0}, counted {1}, Kvant {2}, penalty points {3}",
    .formula = "Score: (points {0} − penalty {1}) × Kvant {2} = {3}",
    .clockAhead =
        "Your clock was {0} ahead (from {1} QSOs); the times were corrected before "
        "tours and repeats were judged",
    .clockBehind =
        "Your clock was {0} behind (from {1} QSOs); the times were corrected before "
        "tours and repeats were judged",
    .clockRight = "Your clock was right (from {0} QSOs)",
    .clockNotKnown = "Your clock could not be checked (too few QSOs with other logs)",
    .notConfirmedHeading = "QSOs not confirmed",
    .copiedHeading = "How others copied you",
    .sent = "sent",
    .received = "rcvd",
    .explainNoLogCounted = "no log: {0} sent no log; counted, being in {1} logs",
    .explainNoLogNotCounted = "no log: {0} sent no log and is in only {1} logs; not counted",
    .explainNil = "NIL: the log of {0} ({1}) holds no QSO with you near this time",
    .explainNilNearest =
        "NIL: the log of {0} ({1}) holds no QSO with you at this time on this band and mode; "
        "nearest: line {2}: {3}",
    .explainNilOut =
        "NIL: the log of {0} ({1}) holds it on line {2}: {3}, but that line is out of the "
        "contest ({4})",
    .explainBustedCall = "busted call: the right call is {0} ({1}, line {2})",
    .explainBustedNumber = "busted number: you copied {0}, {1} sent {2} ({3}, line {4})",
    .explainUniqueCounted = "unique: in no other log, and no log from it; counted",
    .explainUniqueNotCounted = "unique: in no other log, and no log from it; not counted",
    .explainDupe = "repeat within the tour: line {0} counts",
    .explainMode = "out of the contest: a mode the contest does not count",
    .explainBand = "out of the contest: a band the contest does not count",
    .explainTime = "out of the contest: outside the contest period",
    .explainExcluded = "out of the contest: marked X-QSO in your log",
    .timesApartHeading = "QSOs confirmed although the two times differ",
    .explainTimesApart =
        "confirmed by the log of {0} ({1}), line {2}: {3}; calls, band, mode and numbers "
        "agree, the time was typed wrong on one side",
    .clockChanged = "From line {0} ({1}) on, your clock was {2} (from {3} QSOs)",
    .clockWeak = "The estimate of your clock rests on few QSOs: the committee will look at it",
    .clockUnconfirmed =
        "Most of your QSOs with stations that sent a log are not in their logs at your times, "
        "even after the clock correction: your clock may be wrong, and the committee will look "
        "at it",
    .clockDoubt = "Doubt",
    .doubtWeak = "few QSOs",
    .doubtUnconfirmed = "most QSOs not confirmed",
    .copiedCall = "{0} logged you as {1} ({2}, line {3}, {4})",
    .copiedNumber = "{0} copied your number {1} as {2} ({3}, line {4})",
};

constexpr CheckTexts kRussian = {
    .htmlLanguage = "ru",
    .pageTitle = "Результаты проверки отчётов",
    .logsChecked = "Проверено отчётов",
    .filesNotRead = "Не прочитано файлов",
    .filesNotChecked = "Не проверено файлов",
    .qsoLines = "Строк QSO",
    .window = "Допуск по времени",
    .noLogRule =
        "QSO с неприславшими отчёт засчитываются, если позывной есть не менее чем в {0} "
        "отчётах",
    .uniquesCounted = "Уникальные позывные засчитываются",
    .uniquesNotCounted = "Уникальные позывные не засчитываются",
    .period = "Время соревнования (UTC)",
    .penalties = "Штрафные очки за QSO: {0}",
    .noPenalties = "Штрафных очков нет",
    .wholeLog = "все QSO отчётов",
    .figuresHeading = "Сводка по соревнованию",
    .figuresNote = "Все строки QSO проверенных отчётов, по решениям.",
    .verdict = "Решение",
    .lines = "Строк",
    .share = "Доля",
    .verdictNames = {"Подтверждено", "Корреспондент не прислал отчёт",
                     "Нет в отчёте корреспондента (NIL)", "Ошибка в позывном", "Ошибка в номере",
                     "Уникальный позывной", "Повтор в туре", "Вне зачёта"},
    .clocksHeading = "Расхождение часов",
    .clocksNote =
        "Часы каждого отчёта относительно остальных, по QSO, записанным в обоих "
        "отчётах; поправка учтена до определения туров и повторов. Плюс: часы спешили.",
    .clocksChartTitle = "Отчёты по расхождению часов",
    .logs = "Отчётов",
    .offsetUnder = "менее {0}",
    .offsetUnknown = "неизвестно",
    .clocksListed = "Отчёты, в которых часы расходились на минуту и больше или под сомнением",
    .clockOffset = "Расхождение",
    .matches = "QSO",
    .resultsHeading = "Результаты по подгруппам",
    .resultsNote =
        "Результат после проверки = (очки − штраф) × кванты: очко за каждое засчитанное "
        "QSO, за вычетом штрафных очков, умноженное на кванты засчитанных QSO. Строк QSO: "
        "все строки отчёта; снижение — относительно заявленного результата.",
    .noCategory = "Подгруппа не указана",
    .place = "Место",
    .call = "Позывной",
    .claimed = "Заявлено",
    .checked = "После проверки",
    .reduction = "Снижение, %",
    .qsos = "QSO",
    .points = "Очки",
    .penalty = "Штраф",
    .kvant = "Кванты",
    .file = "Файл",
    .reason = "Причина",
    .supersededBy = "засчитан другой отчёт того же позывного: {0}",
    .none = "Нет.",
    .footer = "Составлено программой crosscheck по отчётам участников.",
    .ubnTitle = "Отчёт о проверке (UBN)",
    .category = "Подгруппа",
    .categoryInLog = "в отчёте: {0}",
    .categoryGiven = "указана организаторами",
    .categoryUnclear =
        "«{0}» в отчёте не совпадает ни с одной подгруппой соревнования; организаторы могут "
        "указать её (--categories)",
    .categoryMissing = "в отчёте не указана; организаторы могут указать её (--categories)",
    .notCountedFiles = "Не учтены, так как этот файл позывного изменён последним: {0}",
    .scores = "Заявлено {0}, после проверки {1}, снижение {2} %",
    .lineCounts = "Строк QSO {0}, засчитано {1}, квантов {2}, штрафных очков {3}",
    .formula = "Результат: (очки {0} − штраф {1}) × кванты {2} = {3}",
    .clockAhead =
        "Ваши часы спешили на {0} (по {1} QSO); время исправлено до определения "
        "туров и повторов",
    .clockBehind =
        "Ваши часы отставали на {0} (по {1} QSO); время исправлено до определения "
        "туров и повторов",
    .clockRight = "Ваши часы шли верно (по {0} QSO)",
    .clockNotKnown = "Ваши часы проверить не удалось (мало QSO с другими отчётами)",
    .notConfirmedHeading = "Неподтверждённые QSO",
    .copiedHeading = "Как вас приняли другие",
    .sent = "перед.",
    .received = "прин.",
    .explainNoLogCounted =
        "нет отчёта: {0} не прислал отчёт; засчитано, позывной есть в {1} "
        "отчётах",
    .explainNoLogNotCounted =
        "нет отчёта: {0} не прислал отчёт и есть только в {1} отчётах; "
        "не засчитано",
    .explainNil = "NIL: в отчёте {0} ({1}) нет QSO с вами около этого времени",
    .explainNilNearest =
        "NIL: в отчёте {0} ({1}) нет QSO с вами в это время на этом диапазоне этим видом "
        "работы; ближайшее: строка {2}: {3}",
    .explainNilOut =
        "NIL: в отчёте {0} ({1}) это QSO в строке {2}: {3}, но эта строка вне зачёта ({4})",
    .explainBustedCall = "ошибка в позывном: правильно {0} ({1}, строка {2})",
    .explainBustedNumber = "ошибка в номере: вы приняли {0}, {1} передал {2} ({3}, строка {4})",
    .explainUniqueCounted = "уникальный: нет в других отчётах и нет своего отчёта; засчитано",
    .explainUniqueNotCounted =
        "уникальный: нет в других отчётах и нет своего отчёта; не "
        "засчитано",
    .explainDupe = "повтор в туре: засчитана строка {0}",
    .explainMode = "вне зачёта: вид работы не засчитывается",
    .explainBand = "вне зачёта: диапазон не засчитывается",
    .explainTime = "вне зачёта: вне времени соревнования",
    .explainExcluded = "вне зачёта: в вашем отчёте помечено X-QSO",
    .timesApartHeading = "QSO, подтверждённые при расхождении времени",
    .explainTimesApart =
        "подтверждено отчётом {0} ({1}), строка {2}: {3}; позывные, диапазон, вид работы и "
        "номера совпадают, время записано с ошибкой одной из сторон",
    .clockChanged = "Со строки {0} ({1}) ваши часы: {2} (по {3} QSO)",
    .clockWeak =
        "Поправка ваших часов определена по малому числу QSO: её проверит судейская "
        "коллегия",
    .clockUnconfirmed =
        "Большинство ваших QSO с приславшими отчёт не найдено в их отчётах в ваше время и "
        "после поправки часов: возможно, ваши часы шли неверно; это проверит судейская "
        "коллегия",
    .clockDoubt = "Сомнение",
    .doubtWeak = "мало QSO",
    .doubtUnconfirmed = "большинство QSO не подтверждено",
    .copiedCall = "{0} записал вас как {1} ({2}, строка {3}, {4})",
    .copiedNumber = "{0} принял ваш номер {1} как {2} ({3}, строка {4})",
};

}  // namespace

const CheckTexts& CheckTextsOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? kRussian : kEnglish;
}

}  // namespace crosscheck
