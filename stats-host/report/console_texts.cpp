// This file is UTF-8: the Russian texts go out as they stand here.

#include "stats-host/report/console_texts.h"

namespace stats_host {
namespace {

static_assert(sizeof("Ж") == 3, "narrow string literals must be UTF-8");

constexpr ConsoleTexts kEnglish = {
    .run =
        {
            .logNotAFile = "the log {} is not a file that can be read",
            .logUnreadable = "can not read the log {}: {}",
            .logMalformed = "{}: {}; nothing was scored",
            .logIsUtf16 = "warning: {}: the log is UTF-16; it is read as UTF-8, and byte offsets "
                          "count the UTF-8 bytes",
            .noQsoRecord = "{}: the log holds no QSO record; the plug-in was not called and no "
                           "file was written",
            .noScorableRecord = "{}: none of its {} records is a QSO that can be scored; the "
                                "plug-in was not called and no file was written",
            .outOfMemoryReading = "out of memory while reading the log; no file was written",
            .recordPlace = "record {}, byte {}",
            .headerPlace = "header, byte {}",
            .warning = "warning: {}: {}: {}",
            .skippedEnding = "; the record is skipped",
            .moreLikeIt = "warning: {}: … and {} more like it ({})",
            .groupedDigits = 4,
            .noOwnCall =
                "warning: {}: no own call in the log (STATION_CALLSIGN or OPERATOR); give --call",
            .firstWithoutOwnCall =
                "warning: {}: {}: no own call (STATION_CALLSIGN or OPERATOR), the first record "
                "without one; the plug-in gets an empty own call for these, and the contestant "
                "is {}, of record {} (give --call for one own call in all)",
            .ownCallChanges = "warning: {}: the own call changes within the log: {} in record {}, "
                              "then {} ({}); the Cabrillo log gives {} on every QSO line (--call "
                              "chooses the call)",
            .ownCallMixesScripts =
                "warning: {}: the own call {} mixes Latin letters with others, such as Cyrillic "
                "letters that look Latin (А, В, Е, К, М, Н, О, Р, С, Т, Х); the Cabrillo log and "
                "its file name get it as it stands (--call gives another)",
            .outputClash = "{}; nothing was written",
            .htmlOverKept = "--html {} is {}; choose another file for the page",
            .writtenOverKept = "{}, {}, is {}, which the run would overwrite; score a copy of it",
            .logIsPluginInput = "the log {} is {}, which the plug-in reads or runs; score a copy "
                                "of it",
            .keptLog = "the log being scored",
            .keptPlugin = "the plug-in",
            .keptProblemLog = "the plug-in's {} in the working folder",
            .keptSettings = "the plug-in's settings file {}",
            .keptCabrillo = "the Cabrillo log {}",
            .keptCabrilloLines = "the operator's Cabrillo header lines, {}",
            .keptCompanion = "the companion {}",
            .pluginNotLoaded = "can not load the plug-in {}: {}",
            .pluginLacksEntryPoint = "the plug-in {} does not export {}: {}",
            .workingFolderUnusable = "can not use the working folder {}: {}",
            .logChanged = "the log changed while it was scored: {}",
            .logReplaced = "another file has taken its name",
            .logResized = "it held {} bytes when it was checked and holds {} now",
            .logRewritten = "its bytes are not the ones that were checked",
            .outOfMemoryAfter = "out of memory after {} QSOs",
            .pluginTookNothing = "the plug-in did not store record {}, which the contest rules "
                                 "accept (it ran out of memory)",
            .nothingScored = "{}; nothing was scored: {}, and neither the claimed score nor the "
                             "Cabrillo log was written",
            .problemLogBannerOnly = "err.txt holds only its banner",
            .problemLogEmpty = "err.txt is empty",
            .problemLogNotAfresh = "err.txt could not be started afresh",
            .noResult = "the plug-in gave no result (it may have run out of memory)",
            .fileProblems = files::kEnglishFileProblems,
            .problemLinesMissing = "it does not hold one line for each refused QSO",
            .claimedMissing = "it does not hold Claimed={}",
            .notReplaced = "the plug-in did not replace it",
            .notReplacedForWantOfRoom = "the plug-in did not replace it, most likely for want of "
                                        "room: {}",
            .cabrilloNotWhole = "it does not hold a whole Cabrillo log",
            .detailsNotShown = "the station-details dialog could not be shown (no desktop), so "
                               "the details were not saved",
        },
    .summary =
        {
            .bandHeading = "Band",
            .columns = {"QSOs", "Points", "CW", "SSB", "Kvant"},
            .total = "Total",
            .contestant = "Contestant: ",
            .score = "Score: = ",
            .metres = "",
            .groupedDigits = logs::kUngrouped,
        },
    .refused = "Refused by the plug-in: {} ({})",
    .refusedNone = "none",
    .refusedCount = "{} QSOs",
    .refusedOne = "1 QSO",
    .record = "  record {}  ",
    .repeats = "Repeats within one tour (the tour check would have warned): {}",
    .repeatsNone = "none",
    .repeat = "{} {}  {}  {}  {}  as record {} at {}",
    .repeatRefused = "  (refused by the plug-in: not counted)",
    .cabrilloLog = "Cabrillo log: {}",
    .settingsFile = "Settings file: {}",
    .htmlReport = "HTML report: {}",
    .notInResult = "Not in this result: {} of {} records did not reach the plug-in (see the end)",
    .skipped = "Skipped: {} of {} records did not reach the plug-in:",
    .skippedByte = "byte {}",
    .skippedMore = "  and {} more",
    .notWritten = "not written ({}: {})",
    .zeroScore =
        "The score is 0: no counted QSO received a number that begins with W, so "
        "there is no Kvant.",
    .nothingCounted = "The score is 0: the plug-in counted no QSO.",
    .dayFirstDates = false,
    .fileNotWritten = "stats-host: {} was not written: {}",
    .recordsSkipped = "stats-host: {} of {} records were skipped and not scored",
    .tryHelp = "Try 'stats-host --help'.",
    .outOfMemory = "out of memory",
    .reportNotWritten = "the report could not be written to standard output",
    .pageNotMade = "the new file can not be made beside it: {}",
    .pageNotWhole = "it could not be written whole: {}",
    .pageNotReplaced = "it could not replace the earlier one: {}",
    .htmlWritten = "The HTML report is in\n  {}",
    .pressEnter = "Press Enter to close this window.",
    .noLog = "no ADIF log given",
    .oneLog = "give exactly one ADIF log",
    .unknownOption = "unknown option {}",
    .needsValue = "{} needs a value",
    .callControl = "--call holds a control character",
    .htmlNeedsFile = "--html needs a file name",
    .langValue = "--lang wants ru or en, not \"{}\"",
    .dateValue = "--date wants YYYY-MM-DD, not \"{}\"",
};

constexpr ConsoleTexts kRussian = {
    .run =
        {
            .logNotAFile = "журнал {} не найден или не читается",
            .logUnreadable = "не удаётся прочитать журнал {}: {}",
            .logMalformed = "{}: {}; ничего не подсчитано",
            .logIsUtf16 = "предупреждение: {}: журнал в кодировке UTF-16; он читается как "
                          "UTF-8, и смещения считаются в байтах UTF-8",
            .noQsoRecord = "{}: в журнале нет ни одной записи QSO; модуль не вызывался, файлы "
                           "не записаны",
            .noScorableRecord = "{}: ни одна из записей журнала ({}) не годится для подсчёта; "
                                "модуль не вызывался, файлы не записаны",
            .outOfMemoryReading = "не хватило памяти при чтении журнала; файлы не записаны",
            .recordPlace = "запись {}, байт {}",
            .headerPlace = "заголовок, байт {}",
            .warning = "предупреждение: {}: {}: {}",
            .skippedEnding = "; запись пропущена",
            .moreLikeIt = "предупреждение: {}: … и ещё таких же: {} ({})",
            .groupedDigits = 5,
            .noOwnCall = "предупреждение: {}: в журнале нет своего позывного (STATION_CALLSIGN "
                         "или OPERATOR); укажите его в --call",
            .firstWithoutOwnCall =
                "предупреждение: {}: {}: нет своего позывного (STATION_CALLSIGN или OPERATOR), "
                "это первая такая запись; для таких записей модуль получает пустой свой "
                "позывной, а участник — {}, из записи {} (укажите --call, чтобы позывной был "
                "один для всех)",
            .ownCallChanges =
                "предупреждение: {}: позывной станции меняется в журнале: {} в записи {}, "
                "затем {} ({}); в Cabrillo-отчёте во всех QSO будет {} (позывной "
                "выбирает ключ --call)",
            .ownCallMixesScripts =
                "предупреждение: {}: в позывном станции {} латинские буквы смешаны с другими, "
                "например с русскими, похожими на латинские (А, В, Е, К, М, Н, О, Р, С, Т, Х); "
                "Cabrillo-отчёт и имя его файла получат позывной как есть (другой задаёт --call)",
            .outputClash = "{}; ничего не записано",
            .htmlOverKept = "--html {} — это {}; выберите для страницы другой файл",
            .writtenOverKept = "{} ({}) — это {}: подсчёт записал бы поверх него; подсчитайте "
                               "копию",
            .logIsPluginInput = "журнал {} — это {}: его читает или запускает модуль; "
                                "подсчитайте копию",
            .keptLog = "подсчитываемый журнал",
            .keptPlugin = "сам модуль",
            .keptProblemLog = "файл модуля {} в рабочей папке",
            .keptSettings = "файл настроек модуля {}",
            .keptCabrillo = "отчёт Cabrillo {}",
            .keptCabrilloLines = "файл строк заголовка Cabrillo участника {}",
            .keptCompanion = "программа {}, которую запускает модуль",
            .pluginNotLoaded = "не удаётся загрузить модуль {}: {}",
            .pluginLacksEntryPoint = "в модуле {} нет функции {}: {}",
            .workingFolderUnusable = "рабочая папка {} недоступна: {}",
            .logChanged = "журнал изменился во время подсчёта: {}",
            .logReplaced = "его имя занял другой файл",
            .logResized = "при проверке в нём было {} байт, а теперь {}",
            .logRewritten = "его байты не те, что были проверены",
            .outOfMemoryAfter = "не хватило памяти после {} QSO",
            .pluginTookNothing = "модуль не сохранил запись {}, хотя правила контеста её "
                                 "принимают (ему не хватило памяти)",
            .nothingScored = "{}; ничего не подсчитано: {}, заявленный результат и отчёт "
                             "Cabrillo не записаны",
            .problemLogBannerOnly = "в err.txt только заголовок",
            .problemLogEmpty = "err.txt пуст",
            .problemLogNotAfresh = "err.txt не удалось начать заново",
            .noResult = "модуль не вернул результат (возможно, не хватило памяти)",
            .fileProblems =
                {
                    "на устройстве не осталось места",
                    "файл был бы больше, чем программе разрешено записать (ограничение размера "
                    "файлов)",
                    "нет прав доступа",
                    "устройство только для чтения",
                    "файл занят другой программой",
                    "нет такого файла или папки",
                    "это папка",
                    "на месте папки стоит файл",
                    "слишком длинное имя",
                    "файл или папка с таким именем уже есть",
                    "",
                },
            .problemLinesMissing = "в нём нет строки для каждого незасчитанного QSO",
            .claimedMissing = "в нём нет строки Claimed={}",
            .notReplaced = "модуль его не перезаписал",
            .notReplacedForWantOfRoom = "модуль его не перезаписал, скорее всего из-за нехватки "
                                        "места: {}",
            .cabrilloNotWhole = "отчёт Cabrillo в нём неполный",
            .detailsNotShown = "окно данных станции не удалось показать (нет рабочего стола), "
                               "поэтому данные не сохранены",
        },
    .summary =
        {
            .bandHeading = "Диапазон",
            .columns = {"QSO", "Очки", "CW", "SSB", "Кванты"},
            .total = "Итого",
            .contestant = "Участник: ",
            .score = "Результат: ",
            .metres = " м",
            .groupedDigits = 5,
        },
    .refused = "Незасчитанные QSO: {} ({})",
    .refusedNone = "нет",
    .refusedCount = "{}",
    .refusedOne = "1",
    .record = "  запись {}  ",
    .repeats = "Повторы в одном туре (о них предупредила бы проверка тура): {}",
    .repeatsNone = "нет",
    .repeat = "{} {}  {}  {}  {}  как запись {} в {}",
    .repeatRefused = "  (модуль не засчитал это QSO)",
    .cabrilloLog = "Отчёт Cabrillo: {}",
    .settingsFile = "Файл настроек: {}",
    .htmlReport = "HTML-отчёт: {}",
    .notInResult =
        "В этот результат не вошли записи, не дошедшие до модуля: {} из {} (см. в "
        "конце)",
    .skipped = "Пропущено записей: {} из {}, они не дошли до модуля:",
    .skippedByte = "байт {}",
    .skippedMore = "  и ещё {}",
    .notWritten = "не записан ({}: {})",
    .zeroScore =
        "Результат 0: ни в одном засчитанном QSO принятый номер не начинается с W, "
        "а значит, квантов нет.",
    .nothingCounted = "Результат 0: модуль не засчитал ни одного QSO.",
    .dayFirstDates = true,
    .fileNotWritten = "stats-host: {} не записан: {}",
    .recordsSkipped = "stats-host: пропущено записей: {} из {}, они не подсчитаны",
    .tryHelp = "Справка: stats-host --help",
    .outOfMemory = "не хватило памяти",
    .reportNotWritten = "отчёт не удалось вывести",
    .pageNotMade = "рядом с ним не удаётся создать новый файл: {}",
    .pageNotWhole = "его не удалось записать целиком: {}",
    .pageNotReplaced = "он не смог заменить прежний: {}",
    .htmlWritten = "HTML-отчёт записан в файл\n  {}",
    .pressEnter = "Нажмите Enter, чтобы закрыть окно.",
    .noLog = "не указан ADIF-журнал",
    .oneLog = "укажите ровно один ADIF-журнал",
    .unknownOption = "неизвестный параметр {}",
    .needsValue = "параметру {} нужно значение",
    .callControl = "в --call управляющий символ",
    .htmlNeedsFile = "для --html нужно имя файла",
    .langValue = "--lang: ru или en, а не \"{}\"",
    .dateValue = "--date: дата в виде ГГГГ-ММ-ДД, а не \"{}\"",
};

}  // namespace

const ConsoleTexts& ConsoleTextsOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? kRussian : kEnglish;
}

}  // namespace stats_host
