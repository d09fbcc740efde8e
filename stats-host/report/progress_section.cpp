#include "logs/text/text_pattern.h"
#include "pages/html_page.h"
#include "pages/line_chart.h"
#include "pages/local_forms.h"
#include "stats-host/report/report_sections.h"

namespace stats_host {
namespace {

std::string ProgressChart(std::string id, std::string_view caption, const TourTable& tours,
                          long long (*value)(const TourRow&), const ReportLocale& locale) {
  pages::LineChart chart;
  chart.id = std::move(id);
  chart.title = std::string(caption);
  chart.language = locale.language;
  for (const TourRow& row : tours.tours) {
    chart.columns.push_back(locale.Tour(row.hour));
    chart.values.push_back(value(row));
  }
  return pages::Figure(caption, pages::LineChartSvg(chart));
}

std::string TimeOf(long long second, const ReportLocale& locale) {
  return locale.Time(static_cast<int>(second % stats::kSecondsPerDay));
}

// The QSOs of the window, from its first QSO to its last, and at what rate an
// hour; the day is named where the log has several.
std::string Rate(const RateWindow& window, int perHour, bool severalDays,
                 const ReportLocale& locale) {
  const std::string from = severalDays ? locale.Moment(window.first) : TimeOf(window.first, locale);
  return locale.Text(logs::Substituted(
      locale.texts.rateValue, {locale.Number(window.qsos), from, TimeOf(window.last, locale),
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
  std::vector<pages::Fact> facts;
  if (timeline.qsos > 0) {
    const bool severalDays =
        timeline.first / stats::kSecondsPerDay != timeline.last / stats::kSecondsPerDay;
    facts = {
        {"first-qso", std::string(texts.firstQso), locale.Moment(timeline.first)},
        {"last-qso", std::string(texts.lastQso), locale.Moment(timeline.last)},
        {"operating-time", std::string(texts.operatingTime),
         pages::LocalDuration(timeline.operatingSeconds, locale.language) + " <small>(" +
             locale.Text(texts.operatingTimeRule) + ")</small>"},
        {"breaks", std::string(texts.breaks),
         timeline.breaks == 0 ? locale.Text(texts.none)
                              : locale.Text(logs::Substituted(
                                    texts.breaksValue, {locale.Number(timeline.breaks),
                                                        pages::LocalDuration(timeline.breakSeconds,
                                                                             locale.language)}))},
        {"best-10", std::string(texts.best10), Rate(timeline.best10, 6, severalDays, locale)},
        {"best-60", std::string(texts.best60), Rate(timeline.best60, 1, severalDays, locale)},
    };
  }
  return pages::HtmlSection("progress", locale.Text(texts.progressHeading),
                            charts + pages::FactList(facts) + pages::Note(texts.progressNote));
}

}  // namespace stats_host
