// stats-host's help, and the short usage of a window started without a log,
// in English and in Russian (UTF-8). Lines stay within 79 columns, so that a
// console of 80 never breaks them.

#include "stats-host/report/console_texts.h"

namespace stats_host {
namespace {

constexpr std::string_view kEnglishHelp = R"(Usage: stats-host [OPTIONS] LOG.adi

Scores an ADIF log with the Kesdra Velk contest plug-in, the way the logging
program does it: stats-host loads the plug-in, calls ResetStats0 once,
AddData0 for every QSO of the log and GetResult0 for the result, and prints
the result as a table, followed by the QSOs that the plug-in refused.

The plug-in writes its files into the working folder (--dir): err.txt (the
refused QSOs), Plugins/ZORVA.ini (station details and the claimed score) and,
with --cabrillo, the Cabrillo log CALL.cbr, which takes the extra header lines
of cabrillo.ini from the same folder. Like in the logging program, the plug-in
also starts Plugins/Zarnik.exe from that folder when the file is there, so
score in a folder of its own rather than in the logging program's folder.

Options:
  --dir DIR          working folder for the plug-in's files (default: the
                     current folder); made, with DIR/Plugins, when missing
  --cabrillo         also write the Cabrillo log; the plug-in first asks for
                     the station details (a dialog on Windows, questions on
                     the terminal elsewhere; with no terminal to ask on, the
                     question counts as cancelled and ZORVA.ini keeps what
                     it holds)
  --confirm-details  answer the station-details question with OK, keeping
                     the details saved in DIR/Plugins/ZORVA.ini (for scripts;
                     on Windows stats-host presses OK in the dialog, and when
                     the dialog can not be shown, without a desktop, it says
                     so and ends with exit status 3; elsewhere it gives the
                     plug-in scripted answers on standard input: empty lines,
                     which keep every value and confirm)
  --call CALL        own call sign (default: STATION_CALLSIGN, else OPERATOR,
                     of each QSO; the first one in the log for the summary
                     and the Cabrillo log)
  --date YYYY-MM-DD  contest date of the summary (default: the first QSO's)
  --repeats          list the QSOs that the plug-in's tour check would have
                     warned about when they were logged (see below)
  --raw              print the plug-in's summary text unchanged (CR LF and
                     tabs) and nothing else
  --html FILE        also write the report as one HTML page with charts:
                     the result by band, tours by band, CW/SSB/digital, the
                     refused QSOs, the records not scored and the tour
                     repeats (a relative FILE is taken from the current
                     folder, not from --dir)
  --lang ru|en       language of the HTML page and of what stats-host shows
                     in a console window (default: the user's language if it
                     is Russian, else English); what goes to a file or a
                     pipe stays in English, for scripts
  --plugin PATH      the plug-in to load (default: @PLUGIN@ beside this
                     program, in its Plugins folder, or in ../stats)
  -h, --help         show this text

Started from Explorer (Windows):
  A log file dropped onto stats-host.exe is scored into a new folder beside
  the log, named after it (LOG, or LOG (2) when that is taken), with the HTML
  page LOG.html, which then opens in the web browser. Started without a log,
  stats-host shows how to use it. Either way the window stays open until
  Enter is pressed.

How the log is read (ADIF 3, .adi):
  CALL                 the worked station
  QSO_DATE, TIME_ON    YYYYMMDD and HHMM or HHMMSS, UTC; TIME_OFF where
                       there is no TIME_ON
  FREQ                 MHz, rounded to the nearest hertz (7.0119999 is
                       7012000 Hz)
  BAND                 "160m" is passed as "160"; without BAND the band
                       follows from FREQ; without FREQ the frequency passed
                       is the band's lower edge (7000000 Hz on 40m)
  MODE, SUBMODE        CW; SSB (any submode), and the older USB and LSB; PSK
                       with PSK63 or BPSK63, and PSK63, as BPSK63; BPSK62.
                       Other modes keep their ADIF name and the plug-in
                       refuses them.
  RST_SENT, RST_RCVD   the reports
  STX_STRING or STX    the number sent; SRX_STRING or SRX the number received
  STATION_CALLSIGN or OPERATOR   the own call, unless --call is given

  Taken as they are: field names in any case, a header or none, a BOM, CR LF
  or LF, type indicators, APP_ and USERDEF fields, texts as the bytes of the
  file (Windows-1251 or UTF-8), and every value whose stated length ends at
  a blank, a tag or the end of the file, even one that holds a tag.
  Repaired, with a warning that names the record (or the header) and the byte
  offset: a length that ends elsewhere and runs over a tag (the value ends at
  the tag); a length that counted UTF-8 characters (read so where that ends
  at a tag); text, or a tag without a length such as <EOF>, between fields or
  records (ignored); a second header (ignored); a field given twice in a
  record (the first counts); a last record without <EOR> (taken); a value
  that makes a record longer than 16 MiB (dropped); a UTF-16 file (read as
  UTF-8); blanks and line breaks at the ends of a field handed over
  (trimmed); a BAND spelled "80 m" or "3.5MHz" (read as 80m); a BAND that
  names no band (the band of FREQ); FREQ with a decimal comma (a point); FREQ
  in kHz (taken as kHz when its value / 1000 lies in BAND, or without BAND in
  an amateur band); FREQ in Hz (when its value / 10^6 lies in BAND); FREQ
  that is not a number or lies in no band (BAND's lower edge instead); FREQ
  outside BAND (both passed); a band above 4 294 967 295 Hz, the most the
  plug-in's 32-bit hertz can hold (0 Hz passed).
  Skipped, with a warning (exit status 3): a record that the file ends inside,
  a record without CALL, without a valid QSO_DATE or time, after
  9999-12-31 00:00 (the plug-in would write no date), without a band from
  BAND or FREQ, with a control byte (CR, LF, NUL...) inside a text handed to
  the plug-in, or with a field handed over that was dropped for its size.
  Refused, with nothing scored or written (exit status 2): a file that is not
  ADIF at all (no tag; header text without <EOH> in its first 16 MiB), a
  UTF-16 file with a broken character.

Tour repeats (--repeats):
  While a call is typed, the plug-in (CheckCall0) warns about a QSO with the
  same call on the same band and mode in the current tour, i.e. the present
  UTC hour of the computer's clock. Replaying an old log, that clock says
  nothing about the log, so stats-host does not call CheckCall0: it applies
  the same rule itself with each QSO's own time as the present. A QSO is a
  repeat when a QSO that the plug-in stored before it has the same call, band
  and mode and the same hour of the day (like the plug-in, the date is not
  compared). The plug-in counts repeats all the same.

Exit status:
  0  every record reached the plug-in, and its files and the report were
     written (QSOs that the contest rules refuse are a normal result)
  1  the working folder can not be used, or memory ran out: nothing is
     scored then, and no file is left holding a part of the log
  2  a bad command line, a log that can not be read or is no ADIF log, an
     output that would overwrite the log or a file of the plug-in's, or a
     plug-in that can not be loaded; nothing is written
  3  the report is printed, but records were skipped, or err.txt, ZORVA.ini,
     the Cabrillo log, the HTML page or the report itself could not be
     written, or the station-details dialog could not be shown for
     --confirm-details (stats-host says which, and why)
  4  the log holds no QSO to score (it is empty, has a header only, or every
     record was skipped): the plug-in is not called and no file is written
)";

constexpr std::string_view kRussianHelp = R"(Вызов: stats-host [ПАРАМЕТРЫ] ЖУРНАЛ.adi

Подсчитывает ADIF-журнал модулем соревнования Kesdra Velk так же, как это
делает программа-журнал: stats-host загружает модуль, вызывает ResetStats0
один раз, AddData0 для каждого QSO журнала и GetResult0 для результата,
выводит результат таблицей, а за ней QSO, которые модуль не засчитал.

Модуль пишет свои файлы в рабочую папку (--dir): err.txt (незасчитанные QSO),
Plugins/ZORVA.ini (данные станции и заявленный результат), а с --cabrillo ещё
и отчёт Cabrillo ПОЗЫВНОЙ.cbr, в который добавляются строки заголовка из
cabrillo.ini той же папки. Как и в программе-журнале, модуль запускает из этой
папки Plugins/Zarnik.exe, если он там есть, поэтому для подсчёта лучше взять
отдельную папку, а не папку программы-журнала.

Параметры:
  --dir ПАПКА        рабочая папка для файлов модуля (по умолчанию текущая);
                     создаётся вместе с ПАПКА/Plugins, если её нет
  --cabrillo         записать и отчёт Cabrillo; сначала модуль спрашивает
                     данные станции (в Windows окном, в других системах
                     вопросами в терминале; если спросить негде, это
                     считается отменой, и ZORVA.ini остаётся как был)
  --confirm-details  ответить на вопрос о данных станции кнопкой OK, оставив
                     данные, сохранённые в ПАПКА/Plugins/ZORVA.ini (для
                     сценариев; в Windows stats-host сам нажимает OK в окне,
                     а если окно показать нельзя, например без рабочего
                     стола, сообщает об этом и завершается с кодом 3; в
                     других системах модуль получает заготовленные ответы на
                     стандартный ввод: пустые строки, которые оставляют все
                     значения и подтверждают их)
  --call ПОЗЫВНОЙ    свой позывной (по умолчанию STATION_CALLSIGN, иначе
                     OPERATOR каждого QSO; для итогов и отчёта Cabrillo —
                     первый такой в журнале)
  --date ГГГГ-ММ-ДД  дата соревнования в итогах (по умолчанию — первого QSO)
  --repeats          перечислить QSO, о которых проверка тура в модуле
                     предупредила бы при вводе (см. ниже)
  --raw              вывести текст итогов модуля без изменений (CR LF и
                     табуляции) и больше ничего
  --html ФАЙЛ        записать ещё и отчёт — одну HTML-страницу с графиками:
                     результат по диапазонам, туры по диапазонам, CW, SSB и
                     цифровые виды, незасчитанные QSO, не переданные модулю
                     записи и повторы в туре (относительный путь ФАЙЛ
                     берётся от текущей папки, а не от --dir)
  --lang ru|en       язык HTML-страницы и того, что stats-host показывает в
                     окне консоли (по умолчанию — язык пользователя, если он
                     русский, иначе английский); вывод в файл или канал
                     всегда на английском, для сценариев
  --plugin ПУТЬ      какой модуль загрузить (по умолчанию @PLUGIN@ рядом с
                     программой, в её папке Plugins или в ../stats)
  -h, --help         показать эту справку

Запуск из Проводника (Windows):
  Перетащите файл журнала на stats-host.exe: журнал будет подсчитан в новой
  папке рядом с ним, названной по его имени (ЖУРНАЛ, а если она занята —
  ЖУРНАЛ (2)), вместе с HTML-страницей ЖУРНАЛ.html, которая затем откроется в
  браузере. Без журнала stats-host покажет, как им пользоваться. В обоих
  случаях окно закроется только после нажатия Enter.

Как читается журнал (ADIF 3, .adi):
  CALL                 позывной корреспондента
  QSO_DATE, TIME_ON    ГГГГММДД и ЧЧММ или ЧЧММСС, UTC; TIME_OFF, если нет
                       TIME_ON
  FREQ                 МГц, с округлением до герца (7.0119999 — это
                       7012000 Гц)
  BAND                 "160m" передаётся как "160"; без BAND диапазон
                       определяется по FREQ; без FREQ передаётся нижняя
                       граница диапазона (7000000 Гц на 40m)
  MODE, SUBMODE        CW; SSB (с любым SUBMODE), а также старые USB и LSB;
                       PSK с PSK63 или BPSK63, и PSK63 — как BPSK63; BPSK62.
                       Остальные виды работы передаются под своим именем
                       ADIF, и модуль их не засчитывает.
  RST_SENT, RST_RCVD   рапорты
  STX_STRING или STX   переданный номер; SRX_STRING или SRX — принятый
  STATION_CALLSIGN или OPERATOR   свой позывной, если не задан --call

  Принимаются как есть: имена полей в любом регистре, заголовок или его
  отсутствие, метка порядка байтов, CR LF или LF, указатели типа, поля APP_ и
  USERDEF, тексты — байтами файла (Windows-1251 или UTF-8), а также любое
  значение, заявленная длина которого кончается у пробела, у тега или в конце
  файла, даже если внутри него есть тег.
  Исправляются, с предупреждением о номере записи (или о заголовке) и
  смещении в байтах: длина, которая кончается в другом месте и заходит на тег
  (значение кончается у тега); длина, посчитанная в символах UTF-8 (так и
  читается, если так она кончается у тега); текст или тег без длины, например
  <EOF>, между полями или записями (не учитывается); второй заголовок (не
  учитывается); поле, повторённое в записи (действует первое значение);
  последняя запись без <EOR> (принимается); значение, с которым запись длиннее
  16 МиБ (отбрасывается); файл в UTF-16 (читается как UTF-8); пробелы и
  переводы строки по краям поля, которое передаётся модулю (убираются); BAND
  в виде "80 m" или "3.5MHz" (читается как 80m); BAND, который не называет
  диапазона (берётся диапазон FREQ); FREQ с десятичной запятой (как с точкой);
  FREQ в кГц (принимается как кГц, если значение / 1000 лежит в BAND, а без
  BAND — в любительском диапазоне); FREQ в Гц (если значение / 10^6 лежит в
  BAND); FREQ, которое не число или не лежит ни в одном диапазоне (вместо
  него нижняя граница BAND); FREQ вне BAND (передаются оба); диапазон выше
  4 294 967 295 Гц — больше, чем вмещают 32-битные герцы модуля (передаётся
  0 Гц).
  Пропускаются, с предупреждением (код 3): запись, внутри которой кончается
  файл, запись без CALL, без правильных QSO_DATE или времени, позже
  9999-12-31 00:00 (модуль не записал бы дату), без диапазона по BAND или
  FREQ, с управляющим байтом (CR, LF, NUL...) внутри текста, который
  передаётся модулю, или с передаваемым полем, отброшенным из-за размера.
  Отвергаются, ничего не подсчитано и не записано (код 2): файл, который
  вовсе не ADIF (нет ни одного тега; текст заголовка без <EOH> в первых
  16 МиБ), файл в UTF-16 с испорченным символом.

Повторы в туре (--repeats):
  Пока позывной набирается, модуль (CheckCall0) предупреждает о QSO с тем же
  позывным на том же диапазоне тем же видом работы в текущем туре, то есть в
  текущий час UTC по часам компьютера. При подсчёте старого журнала эти часы
  ничего о журнале не говорят, поэтому stats-host не вызывает CheckCall0, а
  применяет то же правило сам, считая текущим время каждого QSO. QSO — повтор,
  если сохранённое модулем раньше QSO имеет тот же позывной, диапазон, вид
  работы и тот же час суток (как и в модуле, дата не сравнивается). Повторы
  модуль всё равно засчитывает.

Код завершения:
  0  все записи дошли до модуля, его файлы и отчёт записаны (QSO, которые
     правила соревнования не засчитывают, — обычный результат)
  1  рабочая папка недоступна или не хватило памяти: тогда ничего не
     подсчитано, и ни в одном файле не осталось части журнала
  2  ошибка в командной строке, журнал не читается или вовсе не ADIF, вывод
     записал бы поверх журнала или файла модуля, или модуль не загружается;
     ничего не записано
  3  отчёт выведен, но записи пропущены, или не удалось записать err.txt,
     ZORVA.ini, отчёт Cabrillo, HTML-страницу или сам отчёт, или не удалось
     показать окно данных станции для --confirm-details (stats-host сообщает,
     что именно и почему)
  4  в журнале нет QSO для подсчёта (он пуст, в нём только заголовок или все
     записи пропущены): модуль не вызывается, файлы не записываются
)";

constexpr std::string_view kEnglishShortUsage =
    R"(stats-host scores a Kesdra Velk contest log (ADIF, .adi) with the contest
plug-in and writes the report as an HTML page.

To score a log, drop the log file onto stats-host.exe in Explorer. The result
goes into a new folder beside the log, named after it, and the report opens
in the web browser.

Or, in a command window (cmd):
  stats-host.exe --dir work --cabrillo --html report.html mylog.adi
  stats-host.exe --help                 (every option)
)";

constexpr std::string_view kRussianShortUsage =
    R"(stats-host подсчитывает журнал соревнования Kesdra Velk (ADIF, .adi)
модулем соревнования и пишет отчёт в виде HTML-страницы.

Чтобы подсчитать журнал, перетащите файл журнала на stats-host.exe в
Проводнике. Результат появится в новой папке рядом с журналом, названной по
его имени, а отчёт откроется в браузере.

Или в командной строке (cmd):
  stats-host.exe --dir work --cabrillo --html report.html mylog.adi
  stats-host.exe --help                 (все параметры)
)";

}  // namespace

std::string_view HelpOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? kRussianHelp : kEnglishHelp;
}

std::string_view ShortUsageOf(logs::ReportLanguage language) {
  return language == logs::ReportLanguage::kRussian ? kRussianShortUsage : kEnglishShortUsage;
}

}  // namespace stats_host
