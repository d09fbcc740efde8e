#include "host/page/html_page.h"
#include "host/page/line_chart.h"
#include "host/page/local_forms.h"
#include "host/report/report_sections.h"
#include "host/text/text_pattern.h"

namespace host {
namespace {

std::string ProgressChart(std::string id, std::string_view caption, const TourTable& tours,
                          long long (*value)(const TourRow&), const ReportLocale& locale) {
  LineChart chart;
  chart.id = std::move(id);
  chart.title = std::string(caption);
  chart.language = locale.language;
  for (const TourRow& row : tours.tours) {
    chart.columns.push_back(locale.Tour(row.hour));
    chart.values.push_back(value(row));
  }
  return Figure(caption, LineChartSvg(chart));
}

std::string TimeOf(long long second, const ReportLocale& locale) {
  return locale.Time(static_cast<int>(second % kSecondsPerDay));
}

// The QSOs of the window, from its first QSO to its last, and at what rate an
// hour; the day is named where the log has several.
std::string Rate(const RateWindow& window, int perHour, bool severalDays,
                 const ReportLocale& locale) {
  const std::string from = severalDays ? locale.Moment(window.first) : TimeOf(window.first, locale);
  return locale.Text(Substituted(locale.texts.rateValue,
                                 {locale.Number(window.qsos), from, TimeOf(window.last, locale),
                                  locale.Number(window.qsos * perHour)}));
}

}  // namespace

std::string ProgressSection(const TourTable& tours, const Timeline& timeline,
                            const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  const std::string charts =
      "<div class=\"charts\">\n" +
      ProgressChart(
          "progress-qsos", texts.progressQsos, tours,
          [](const TourRow& row) -> long long { return row.sinceStart.qsos; }, locale) +
      ProgressChart(
          "progress-kvant", texts.progressKvant, tours,
          [](const TourRow& row) -> long long { return row.sinceStart.kvant; }, locale) +
      ProgressChart(
          "progress-score", texts.progressScore, tours,
          [](const TourRow& row) { return row.score; }, locale) +
      "</div>\n";
  std::vector<Fact> facts;
  if (timeline.qsos > 0) {
    const bool severalDays = timeline.first / kSecondsPerDay != timeline.last / kSecondsPerDay;
    facts = {
        {"first-qso", std::string(texts.firstQso), locale.Moment(timeline.first)},
        {"last-qso", std::string(texts.lastQso), locale.Moment(timeline.last)},
        {"operating-time", std::string(texts.operatingTime),
         LocalDuration(timeline.operatingSeconds, locale.language) + " <small>(" +
             locale.Text(texts.operatingTimeRule) + ")</small>"},
        {"breaks", std::string(texts.breaks),
         timeline.breaks == 0
             ? locale.Text(texts.none)
             : locale.Text(Substituted(texts.breaksValue,
                                       {locale.Number(timeline.breaks),
                                        LocalDuration(timeline.breakSeconds, locale.language)}))},
        {"best-10", std::string(texts.best10), Rate(timeline.best10, 6, severalDays, locale)},
        {"best-60", std::string(texts.best60), Rate(timeline.best60, 1, severalDays, locale)},
    };
  }
  return HtmlSection("progress", locale.Text(texts.progressHeading),
                     charts + FactList(facts) + Note(texts.progressNote));
}

}  // namespace host
