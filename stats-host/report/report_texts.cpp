// This file is UTF-8: the Russian texts go into the page as they stand here.

#include "stats-host/report/report_texts.h"

namespace stats_host {
namespace {

static_assert(sizeof("Ж") == 3, "narrow string literals must be UTF-8");

constexpr ReportTexts kEnglish = {
    .htmlLanguage = "en",
    .reportTitle = "Contest report",
    .contestant = "Contestant",
    .contestDate = "Contest date",
    .claimedScore = "Claimed score",
    .cabrilloFile = "Cabrillo log",
    .noCabrilloFile = "not written in this run",
    .nothingCounted =
        "The plug-in counted no QSO of this log, so there is nothing to add up or "
        "draw. The appendix shows what it refused and why.",
    .bandsHeading = "Result by band",
    .band = "Band",
    .qsos = "QSOs",
    .points = "Points",
    .digital = "Digital",
    .kvant = "Kvant",
    .total = "Total",
    .scoreRule =
        "Score = points × Kvant, each added up over all bands. The numbers are the "
        "plug-in's own. QSOs = CW + SSB + digital (BPSK63 and BPSK62).",
    .modesChartTitle = "QSOs by mode on each band",
    .toursHeading = "Tours",
    .tour = "Tour (UTC)",
    .toursChartTitle = "QSOs per tour, by band",
    .byBand = "QSOs by band (+ new Kvant)",
    .perTenMinutes = "Per 10 min",
    .changes = "Changes",
    .sinceStart = "Since the start",
    .score = "Score",
    .tenMinutesTitle = "QSOs in each ten minutes: {0}",
    .toursNote =
        "One row per clock hour (UTC) of the log. +N: marked stations counted for the first "
        "time in that tour. Bars: the QSOs of each ten minutes, on one scale for the whole log. "
        "Changes: how many QSOs were on another band / in another mode than the QSO before "
        "them. Since the start: QSOs, Kvant and the score they give at the end of the tour.",
    .daySubtotal = "{0}: {1} QSOs, +{2} Kvant",
    .tourMixHeading = "New stations and modes by tour",
    .newCalls = "New",
    .againCalls = "Again",
    .tourMixNote =
        "New: QSOs with a station not worked before in this log, on any band or in any mode; "
        "again: QSOs with one worked before. Counted QSOs only.",
    .kvantHeading = "Kvant",
    .otherModes = "Other modes",
    .otherModesShort = "SSB/dig.",
    .missing = "Missing Kvant",
    .notWorkedInMode = "Mode not worked",
    .withoutW = "Logged without W",
    .kvantNote =
        "A marked station (its number begins with W) counts once per band in CW and once in "
        "the other modes. Missing, in Kvant: for each marked station of this log, each band "
        "and mode in which it was not worked, or was logged without its W. The appendix "
        "names them.",
    .oneMoreKvant =
        "One more Kvant would now add {0} to the score: it comes with a QSO, which "
        "is a point too, so ({1} + 1) × ({2} + 1) − {1} × {2}.",
    .zeroScore =
        "The score is 0 because no counted QSO received a number that begins with a capital "
        "W: without a Kvant, points × Kvant is 0.",
    .zeroScoreSlips = "{0} Kvant were lost to a W left out when logging; see below.",
    .slipsHeading = "Kvant lost to slips",
    .slipsNote =
        "A station that sent its W in some QSO of this log, logged on another band or in "
        "another mode without it (or with a small w): the plug-in did not count that Kvant. "
        "Each row is one Kvant, with the first QSO there as it was logged.",
    .loggedAs = "Logged as",
    .slipsCost =
        "With their W these {0} Kvant would give {1} Kvant in all, and the score would be {2} "
        "instead of {3}.",
    .noSlips =
        "No Kvant was lost to a W left out: every marked station was logged with its W "
        "wherever it was worked.",
    .progressHeading = "Through the contest",
    .progressQsos = "QSOs",
    .progressKvant = "Kvant",
    .progressScore = "Score",
    .firstQso = "First QSO",
    .lastQso = "Last QSO",
    .operatingTime = "Operating time",
    .operatingTimeRule = "without breaks; a break is a gap of 30 minutes or more between QSOs",
    .breaks = "Breaks",
    .breaksValue = "{0}, {1} in all",
    .best10 = "Best 10 minutes",
    .best60 = "Best 60 minutes",
    .rateValue = "{0} QSOs, {1}–{2} ({3} an hour)",
    .averageRate = "Average rate",
    .averageRateValue = "{0} QSOs an hour of operating time",
    .breaksHeading = "Breaks",
    .breakFrom = "From (UTC)",
    .breakTo = "To (UTC)",
    .breakLength = "Length",
    .ratesHeading = "Rates and breaks",
    .bandRatesHeading = "Best 60 minutes by band",
    .rateChartTitle = "QSOs in each five minutes",
    .progressNote =
        "Counted QSOs only, as the plug-in counts them. The lines show the totals at "
        "the end of each tour.",
    .appendixHeading = "Appendix",
    .firstRowsOnly = "The first {0} of {1} are listed.",
    .none = "None.",
    .refusedHeading = "Refused QSOs",
    .refusedNote = "Each with its line in err.txt as the plug-in wrote it in this run.",
    .record = "Record",
    .call = "Call",
    .time = "Time (UTC)",
    .mode = "Mode",
    .reason = "Reason",
    .problemLine = "Line in err.txt, and the reason",
    .reasonMode = "Mode does not count in this contest",
    .reasonNumber = "No received number",
    .reasonSentNumber = "No sent number",
    .reasonNumbers = "No sent and no received number",
    .reasonOther = "Other",
    .reasonNoLine = "No line in err.txt",
    .skippedHeading = "Records not scored",
    .skippedNote =
        "Records of the log that stats-host could not hand to the plug-in, with what it said "
        "about them: they are in none of the numbers above.",
    .of = "of",
    .byte = "Byte",
    .said = "Warnings",
    .repeatsHeading = "Repeats within one tour",
    .repeatsNote =
        "QSOs that the plug-in's tour check would have warned about as they were logged: the "
        "same call, band and mode in the same tour. Like the plug-in, the check compares the "
        "clock hour only, not the date, so a QSO at 15:20 repeats one at 15:05 on another day; "
        "such pairs are marked ≠. The plug-in counts both QSOs all the same.",
    .repeatsRefusedHeading = "Repeats that the plug-in refused",
    .repeatsRefusedNote =
        "The tour check would have warned about these too, but the plug-in refused the repeat "
        "for another reason (see Refused QSOs): only the first QSO of each pair counts.",
    .firstQsoOfPair = "First QSO",
    .repeatQso = "Repeat",
    .otherDate = "another date",
    .numbersHeading = "Numbers to check",
    .sentGaps = "Sent numbers left out",
    .sentRepeats = "Sent numbers given more than once",
    .sentNote =
        "The serial numbers sent in every QSO of the log, counted or refused or not scored, "
        "from 1 to the highest.",
    .records = "{0} (records {1})",
    .receivedBad = "Received numbers the exchange rule refuses",
    .received = "Received",
    .receivedNote =
        "A number has 3 or 4 digits, after the W of a marked station; 599 is a "
        "report, not a number. Counted QSOs only.",
    .gridHeading = "All Kvant",
    .gridNote =
        "One row per marked station. A cell holds the tour (the UTC hour) in which that "
        "Kvant was first counted, and is empty where the station was not worked.",
    .gridNoteDays =
        "The log spans more than a day, so a cell names the day of the log too: "
        "2/15 is 15:00 on its second day.",
    .missedHeading = "Missing Kvant",
    .missedNote = "Each call is one Kvant that the band lacks.",
    .noCwOnBand = "Not worked in CW",
    .noOtherOnBand = "Not worked in other modes",
    .footer = "Written by stats-host from the plug-in's summary, its err.txt and the log.",
};

constexpr ReportTexts kRussian = {
    .htmlLanguage = "ru",
    .reportTitle = "отчёт участника",
    .contestant = "Участник",
    .contestDate = "Дата соревнования",
    .claimedScore = "Заявленный результат",
    .cabrilloFile = "Отчёт Cabrillo",
    .noCabrilloFile = "при этом подсчёте не записан",
    .nothingCounted =
        "Модуль не засчитал ни одного QSO из этого журнала — подсчитывать и "
        "рисовать нечего. Что не засчитано и почему, см. в приложении.",
    .bandsHeading = "Результат по диапазонам",
    .band = "Диапазон",
    .qsos = "QSO",
    .points = "Очки",
    .digital = "Цифра",
    .kvant = "Кванты",
    .total = "Итого",
    .scoreRule =
        "Результат = очки × кванты, те и другие — сумма по всем диапазонам. Числа — "
        "подсчёт модуля. QSO = CW + SSB + цифра (BPSK63 и BPSK62).",
    .modesChartTitle = "QSO по видам работы на каждом диапазоне",
    .toursHeading = "Туры",
    .tour = "Тур (UTC)",
    .toursChartTitle = "QSO по турам и диапазонам",
    .byBand = "QSO по диапазонам (+ новые кванты)",
    .perTenMinutes = "По 10 мин",
    .changes = "Смены",
    .sinceStart = "С начала соревнования",
    .score = "Результат",
    .tenMinutesTitle = "QSO за каждые 10 минут: {0}",
    .toursNote =
        "Строка — час журнала по UTC. +N — отмеченные станции, впервые засчитанные в этом "
        "туре. Столбики — QSO за каждые 10 минут, в едином масштабе для всего журнала. Смены — "
        "сколько QSO проведено на другом диапазоне / другим видом работы, чем предыдущее. "
        "С начала соревнования — QSO, кванты и результат на конец тура.",
    .daySubtotal = "{0}: QSO {1}, новых квантов {2}",
    .tourMixHeading = "Новые станции и виды работы по турам",
    .newCalls = "Новые",
    .againCalls = "Повторно",
    .tourMixNote =
        "Новые — QSO со станцией, ещё не сработанной в этом журнале ни на каком диапазоне и "
        "ни каким видом; повторно — со станцией, сработанной раньше. Только засчитанные QSO.",
    .kvantHeading = "Кванты",
    .otherModes = "Другие виды",
    .otherModesShort = "SSB/цифра",
    .missing = "Недостающие кванты",
    .notWorkedInMode = "Вид не сработан",
    .withoutW = "Записаны без W",
    .kvantNote =
        "Отмеченная станция (её номер начинается с W) засчитывается как квант один раз на "
        "диапазоне в CW и один раз в остальных видах. Недостающие кванты: для каждой "
        "отмеченной станции из этого журнала — каждый диапазон и вид, где она не сработана "
        "или записана без W. Позывные — в приложении.",
    .oneMoreKvant =
        "Ещё один квант сейчас прибавит к результату {0}: он приходит вместе с QSO, "
        "а это ещё и очко: ({1} + 1) × ({2} + 1) − {1} × {2}.",
    .zeroScore =
        "Результат 0: ни в одном засчитанном QSO принятый номер не начинается с заглавной W, "
        "а без квантов очки × кванты = 0.",
    .zeroScoreSlips = "Из-за пропущенной W потеряно квантов: {0}; см. ниже.",
    .slipsHeading = "Кванты, потерянные из-за описок",
    .slipsNote =
        "Станция, передавшая W в каком-то QSO этого журнала, записана на другом диапазоне или "
        "другим видом без неё (или с маленькой w): этот квант модуль не засчитал. Строка — "
        "один квант, с первым QSO там, как оно записано.",
    .loggedAs = "Записано",
    .slipsCost =
        "С буквой W эти кванты ({0}) дали бы всего {1} квантов, и результат был бы {2} "
        "вместо {3}.",
    .noSlips =
        "Ни один квант не потерян из-за пропущенной W: каждая отмеченная станция "
        "записана с W везде, где она сработана.",
    .progressHeading = "Ход соревнования",
    .progressQsos = "QSO",
    .progressKvant = "Кванты",
    .progressScore = "Результат",
    .firstQso = "Первое QSO",
    .lastQso = "Последнее QSO",
    .operatingTime = "Время работы",
    .operatingTimeRule = "без перерывов; перерыв — пауза между QSO от 30 минут",
    .breaks = "Перерывы",
    .breaksValue = "{0}, всего {1}",
    .best10 = "Лучшие 10 минут",
    .best60 = "Лучшие 60 минут",
    .rateValue = "{0} QSO, {1}–{2} ({3} в час)",
    .averageRate = "Средний темп",
    .averageRateValue = "{0} QSO в час времени работы",
    .breaksHeading = "Перерывы",
    .breakFrom = "С (UTC)",
    .breakTo = "По (UTC)",
    .breakLength = "Длительность",
    .ratesHeading = "Темп и перерывы",
    .bandRatesHeading = "Лучшие 60 минут по диапазонам",
    .rateChartTitle = "QSO за каждые пять минут",
    .progressNote =
        "Только засчитанные QSO, как их считает модуль. На графиках — итог на конец "
        "каждого тура.",
    .appendixHeading = "Приложение",
    .firstRowsOnly = "Показаны первые {0} из {1}.",
    .none = "Нет.",
    .refusedHeading = "Незасчитанные QSO",
    .refusedNote = "У каждого — его строка в err.txt, как её записал модуль при этом подсчёте.",
    .record = "Запись",
    .call = "Позывной",
    .time = "Время (UTC)",
    .mode = "Вид",
    .reason = "Причина",
    .problemLine = "Строка err.txt и причина",
    .reasonMode = "Вид работы не входит в зачёт",
    .reasonNumber = "Нет принятого номера",
    .reasonSentNumber = "Нет переданного номера",
    .reasonNumbers = "Нет ни переданного, ни принятого номера",
    .reasonOther = "Другая причина",
    .reasonNoLine = "Строки в err.txt нет",
    .skippedHeading = "Записи, не переданные модулю",
    .skippedNote =
        "Записи журнала, которые stats-host не смог передать модулю, с предупреждениями о "
        "них. Ни в одно из чисел выше они не вошли.",
    .of = "из",
    .byte = "Байт",
    .said = "Предупреждения",
    .repeatsHeading = "Повторы в одном туре",
    .repeatsNote =
        "QSO, о которых проверка тура предупредила бы при вводе: тот же позывной, диапазон и "
        "вид работы в том же туре. Как и модуль, проверка сравнивает только час по UTC, а не "
        "дату, поэтому QSO в 15:20 повторяет QSO в 15:05 другого дня; такие пары отмечены "
        "знаком ≠. В зачёт модуль принимает оба QSO.",
    .repeatsRefusedHeading = "Повторы, которые модуль не засчитал",
    .repeatsRefusedNote =
        "О них проверка тура тоже предупредила бы, но повтор модуль не засчитал по другой "
        "причине (см. «Незасчитанные QSO»): засчитано только первое QSO каждой пары.",
    .firstQsoOfPair = "Первое QSO",
    .repeatQso = "Повтор",
    .otherDate = "другая дата",
    .numbersHeading = "Номера для проверки",
    .sentGaps = "Пропущенные переданные номера",
    .sentRepeats = "Номера, переданные повторно",
    .sentNote =
        "Порядковые номера, переданные во всех QSO журнала (засчитанных, незасчитанных и не "
        "переданных модулю), от 1 до наибольшего.",
    .records = "{0} (записи {1})",
    .receivedBad = "Принятые номера, не проходящие по правилу обмена",
    .received = "Принято",
    .receivedNote =
        "Номер — 3 или 4 цифры, у отмеченной станции — после буквы W; 599 — рапорт, "
        "а не номер. Только засчитанные QSO.",
    .gridHeading = "Все кванты",
    .gridNote =
        "Строка — отмеченная станция. В клетке — тур (час UTC), в котором этот квант "
        "засчитан впервые; пустая клетка — станция не сработана.",
    .gridNoteDays =
        "Журнал длиннее суток, поэтому в клетке указан и день журнала: 2/15 — "
        "15 часов второго дня.",
    .missedHeading = "Недостающие кванты",
    .missedNote = "Каждый позывной — один квант, которого недостаёт диапазону.",
    .noCwOnBand = "Не сработаны в CW",
    .noOtherOnBand = "Не сработаны другими видами",
    .footer =
        "Составлено программой stats-host. Источники: итоги модуля, файл err.txt и "
        "аппаратный журнал.",
};

}  // namespace

const ReportTexts& TextsOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? kRussian : kEnglish;
}

}  // namespace stats_host
