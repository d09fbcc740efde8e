// This file is UTF-8: the Russian texts go into the page as they stand here.

#include "host/report/report_texts.h"

namespace host {
namespace {

static_assert(sizeof("Ж") == 3, "narrow string literals must be UTF-8");

constexpr ReportTexts kEnglish = {
    .htmlLanguage = "en",
    .reportTitle = "Contest report",
    .contestant = "Contestant",
    .contestDate = "Contest date",
    .claimedScore = "Claimed score",
    .cabrilloFile = "Cabrillo log",
    .noCabrilloFile = "not written by this run",
    .bandsHeading = "Result by band",
    .band = "Band",
    .qsos = "QSOs",
    .points = "Points",
    .kvant = "Kvant",
    .total = "Total",
    .scoreRule = "Score = total points × total Kvant. The numbers are the plug-in's own.",
    .toursHeading = "Tours",
    .tour = "Tour (UTC)",
    .toursChartTitle = "QSOs per tour, by band",
    .toursNote =
        "One row per clock hour of the log, with the QSOs that the plug-in counted on each "
        "band; +N: marked stations counted for the first time in that tour (Kvant; each "
        "marked station counts once per band in CW and once in the other modes).",
    .modesHeading = "CW, SSB and digital",
    .modesChartTitle = "QSOs per band by mode",
    .digital = "Digital (BPSK)",
    .refusedHeading = "Refused QSOs",
    .refusedNote = "As this run's err.txt lists them, with the record of the log.",
    .record = "Record",
    .reason = "Reason",
    .problemLine = "Line of err.txt",
    .reasonMode = "Mode not counted in this contest",
    .reasonNumber = "No received number",
    .reasonSentNumber = "No sent number",
    .reasonNumbers = "No sent and no received number",
    .reasonOther = "Other",
    .reasonNoLine = "No line in err.txt",
    .none = "None.",
    .skippedHeading = "Records not scored",
    .skippedNote =
        "Records of the log that stats-host could not hand to the plug-in, with what it said "
        "about them: they are in none of the numbers above.",
    .of = "of",
    .byte = "Byte",
    .said = "Warnings",
    .repeatsHeading = "Repeats within one tour",
    .repeatsNote =
        "QSOs that the plug-in's tour check would have warned about when they were "
        "logged: the same call, band and mode in the same clock hour. The plug-in "
        "counts them all the same.",
    .call = "Call",
    .mode = "Mode",
    .firstQso = "First QSO",
    .repeatQso = "Repeat",
    .time = "Time (UTC)",
    .footer = "Written by stats-host from the plug-in's summary, its err.txt and the log.",
};

constexpr ReportTexts kRussian = {
    .htmlLanguage = "ru",
    .reportTitle = "Отчёт о соревновании",
    .contestant = "Участник",
    .contestDate = "Дата соревнования",
    .claimedScore = "Заявленный результат",
    .cabrilloFile = "Отчёт Cabrillo",
    .noCabrilloFile = "в этот раз не записан",
    .bandsHeading = "Результат по диапазонам",
    .band = "Диапазон",
    .qsos = "QSO",
    .points = "Очки",
    .kvant = "Кванты",
    .total = "Итого",
    .scoreRule = "Результат = сумма очков × сумма квантов. Числа — те, что вернул модуль.",
    .toursHeading = "Туры",
    .tour = "Тур (UTC)",
    .toursChartTitle = "QSO по турам и диапазонам",
    .toursNote =
        "Строка на каждый час журнала: QSO, засчитанные модулем на каждом диапазоне; +N: "
        "отмеченные станции, впервые засчитанные в этом туре (кванты; отмеченная станция "
        "засчитывается один раз на диапазоне в CW и один раз в остальных видах работы).",
    .modesHeading = "CW, SSB и цифровые виды",
    .modesChartTitle = "QSO по видам работы на каждом диапазоне",
    .digital = "Цифра (BPSK)",
    .refusedHeading = "Не засчитанные QSO",
    .refusedNote = "Как их перечисляет err.txt этого подсчёта, с номером записи журнала.",
    .record = "Запись",
    .reason = "Причина",
    .problemLine = "Строка err.txt",
    .reasonMode = "Вид работы не засчитывается в соревновании",
    .reasonNumber = "Нет принятого номера",
    .reasonSentNumber = "Нет переданного номера",
    .reasonNumbers = "Нет ни переданного, ни принятого номера",
    .reasonOther = "Другая",
    .reasonNoLine = "Нет строки в err.txt",
    .none = "Нет.",
    .skippedHeading = "Записи, не переданные модулю",
    .skippedNote =
        "Записи журнала, которые stats-host не смог передать модулю, и что о них сказано: "
        "ни в одно из чисел выше они не вошли.",
    .of = "из",
    .byte = "Байт",
    .said = "Предупреждения",
    .repeatsHeading = "Повторы в одном туре",
    .repeatsNote =
        "QSO, о которых проверка тура предупредила бы при вводе: тот же позывной, "
        "диапазон и вид работы в тот же час. Модуль всё равно их засчитывает.",
    .call = "Позывной",
    .mode = "Вид работы",
    .firstQso = "Первое QSO",
    .repeatQso = "Повтор",
    .time = "Время (UTC)",
    .footer = "Составлено программой stats-host по итогам модуля, его err.txt и журналу.",
};

}  // namespace

const ReportTexts& TextsOf(ReportLanguage language) {
  return language == ReportLanguage::kRussian ? kRussian : kEnglish;
}

}  // namespace host
