// This file is UTF-8: the Russian texts go to the console as they stand here.

#include "crosscheck/console_texts.h"

namespace crosscheck {
namespace {

static_assert(sizeof("Ж") == 3, "narrow string literals must be UTF-8");

constexpr ConsoleTexts kEnglish = {
    .description =
        R"(Checks every participant's log of the Kesdra Velk contest against the others
and writes into OUT: verdicts.jsonl (one verdict per QSO line), logs.jsonl (one
line per file), results.csv and results.html (the results by category),
ubn/CALL.txt (each participant's report).

LOG is a Cabrillo 2.0 or 3.0 log or an ADIF log (Windows-1251, UTF-8 or KOI8-R
texts, found from the bytes); a folder stands for every file in it and in the
folders within it, and the outputs name a log by its path within the folder. Of
two logs of the same call, the one modified last counts, and the call's report
names the others.

A log's category is the one of the contest (the station dialog's) that its
CATEGORY or CATEGORY-* lines stand for, however written; --categories gives it
for ADIF logs and unclear ones; others are listed under no category. The
checked score is (points - penalty) x Kvant.

Each log's clock offset is estimated from the QSOs that the other logs
confirm and applied before tours (hours of the day) and repeats are judged. A QSO
is confirmed when the other log has it on the same band and mode within the
time window; a QSO confirms at most one other.

OUT may not be a folder of logs given, nor lie inside one, nor hold a log
given. The outputs are one set: either all of them replace the earlier ones, or
none does.

Exit status: 0 every file was read; 3 some could not be (they are listed, the
outputs still come); 2 a bad command line, or OUT among the logs; 1 the outputs
could not be written (the earlier ones stay).)",
    .runHelp = "Run with --help for more information.",
    .logsLine = "Logs: {0} checked, {1} superseded by a later log of the same call, {2} not read",
    .qsoLines = "QSO lines: {0}",
    .notRead = "Not read: {0}: {1}",
    .written =
        "Written into {0}: verdicts.jsonl, logs.jsonl, results.csv, results.html and {1} "
        "reports in ubn/",
    .nothingWritten = "Nothing written into {0}",
    .pressEnter = "Press Enter to close this window.",
};

constexpr ConsoleTexts kRussian = {
    .description =
        R"(Проверяет отчёт каждого участника соревнования Kesdra Velk по отчётам остальных
и записывает в OUT: verdicts.jsonl (решение по каждой строке QSO), logs.jsonl
(строка на каждый файл), results.csv и results.html (результаты по подгруппам),
ubn/CALL.txt (отчёт о проверке для каждого участника).

LOG — отчёт в Cabrillo 2.0 или 3.0 или в ADIF (тексты в Windows-1251, UTF-8 или
KOI8-R, кодировка определяется по байтам); папка означает все файлы в ней и во
вложенных папках, и файлы называются по пути внутри папки. Из двух отчётов
одного позывного учитывается изменённый последним, а отчёт о проверке этого
позывного называет остальные.

Подгруппа отчёта — подгруппа соревнования (из окна данных станции), которой
соответствуют его строки CATEGORY или CATEGORY-*, как бы они ни были записаны;
--categories задаёт её для отчётов ADIF и неясных случаев; остальные
перечислены без подгруппы. Результат после проверки = (очки − штраф) × кванты.

Расхождение часов каждого отчёта определяется по QSO, подтверждённым другими
отчётами, и учитывается до определения туров (часов суток) и повторов. QSO
подтверждено, если в другом отчёте оно есть на том же диапазоне и тем же видом
работы в пределах допуска по времени; QSO подтверждает не более одного другого.

OUT не может быть папкой с отчётами, лежать внутри неё или содержать отчёт.
Результаты — единый набор: либо все они заменяют прежние, либо ни один.

Код завершения: 0 — прочитаны все файлы; 3 — некоторые прочитать не удалось
(они перечислены, результаты всё равно записаны); 2 — неверная командная строка
или OUT среди отчётов; 1 — результаты записать не удалось (прежние остались).)",
    .runHelp = "Подробнее: --help.",
    .logsLine =
        "Отчёты: проверено {0}, заменено более поздним отчётом того же позывного {1}, "
        "не прочитано {2}",
    .qsoLines = "Строк QSO: {0}",
    .notRead = "Не прочитан: {0}: {1}",
    .written =
        "Записано в {0}: verdicts.jsonl, logs.jsonl, results.csv, results.html и {1} "
        "отчётов о проверке в ubn/",
    .nothingWritten = "В {0} ничего не записано",
    .pressEnter = "Нажмите Enter, чтобы закрыть окно.",
};

}  // namespace

const ConsoleTexts& ConsoleTextsOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? kRussian : kEnglish;
}

}  // namespace crosscheck
