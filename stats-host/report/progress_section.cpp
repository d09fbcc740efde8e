#include <algorithm>

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

// The QSOs of each rate slot over the whole log, finer than the tours; drawn
// narrower for a phone.
std::string RateChart(const Timeline& timeline, const ReportLocale& locale, bool phone) {
  pages::LineChart chart;
  chart.id = phone ? "rate-chart-phone" : "rate-chart";
  chart.title = std::string(locale.texts.rateChartTitle);
  chart.width = phone ? pages::kPhoneChartWidth : 720;
  chart.language = locale.language;
  const bool severalDays =
      timeline.first / stats::kSecondsPerDay != timeline.last / stats::kSecondsPerDay;
  for (std::size_t i = 0; i < timeline.rateSlots.size(); ++i) {
    const long long second = timeline.rateStart + static_cast<long long>(i) * kRateSlotSeconds;
    const int minute = static_cast<int>(second % stats::kSecondsPerDay);
    chart.columns.push_back(severalDays ? locale.Date(stats::DateOfOleDay(
                                              static_cast<long>(second / stats::kSecondsPerDay))) +
                                              " " + locale.Minute(minute)
                                        : locale.Minute(minute));
    chart.values.push_back(timeline.rateSlots[i]);
  }
  return pages::Figure(locale.texts.rateChartTitle, pages::LineChartSvg(chart));
}

std::string BandRatesHtml(const Timeline& timeline, bool severalDays, const ReportLocale& locale) {
  const ReportTexts& texts = locale.texts;
  std::string html = "<table id=\"band-rates\">\n<thead><tr><th>" + locale.Text(texts.band) +
                     "</th><th>" + locale.Text(texts.best60) + "</th></tr></thead>\n<tbody>\n";
  for (const BandRate& rate : timeline.bandRates) {
    html += "<tr><th scope=\"row\">" + locale.Band(rate.band) + "</th><td>" +
            Rate(rate.best60, 1, severalDays, locale) + "</td></tr>\n";
  }
  return "<h3>" + locale.Text(texts.bandRatesHeading) + "</h3>\n" +
         pages::Scrolling(html + "</tbody>\n</table>\n");
}

std::string BreaksHtml(const Timeline& timeline, const ReportLocale& locale) {
  if (timeline.offTimes.empty()) return "";
  const ReportTexts& texts = locale.texts;
  std::string html = "<table id=\"break-table\">\n<thead><tr><th>" + locale.Text(texts.breakFrom) +
                     "</th><th>" + locale.Text(texts.breakTo) + "</th><th>" +
                     locale.Text(texts.breakLength) + "</th></tr></thead>\n<tbody>\n";
  const std::size_t shown = std::min(timeline.offTimes.size(), kMostListedRows);
  for (std::size_t i = 0; i < shown; ++i) {
    const OffTime& off = timeline.offTimes[i];
    html += "<tr><td class=\"time\">" + locale.Moment(off.from) + "</td><td class=\"time\">" +
            locale.Moment(off.to) + "</td><td class=\"n\">" +
            pages::LocalDuration(off.to - off.from, locale.language) + "</td></tr>\n";
  }
  return "<h3>" + locale.Text(texts.breaksHeading) + "</h3>\n" +
         pages::Scrolling(html + "</tbody>\n</table>\n") +
         locale.ShownNote(shown, timeline.offTimes.size());
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
    const long long average =
        timeline.operatingSeconds > 0
            ? (timeline.qsos * 3600LL + timeline.operatingSeconds / 2) / timeline.operatingSeconds
            : 0;
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
        {"average-rate", std::string(texts.averageRate),
         locale.Text(logs::Substituted(texts.averageRateValue, {locale.Number(average)}))},
    };
  }
  return pages::HtmlSection("progress", locale.Text(texts.progressHeading),
                            charts + pages::FactList(facts) + pages::Note(texts.progressNote));
}

std::string RatesSection(const Timeline& timeline, const ReportLocale& locale) {
  std::string body;
  if (timeline.rateSlots.size() > 1) {
    body =
        pages::WideOrPhone(RateChart(timeline, locale, false), RateChart(timeline, locale, true));
  }
  const bool severalDays =
      timeline.first / stats::kSecondsPerDay != timeline.last / stats::kSecondsPerDay;
  body += BandRatesHtml(timeline, severalDays, locale) + BreaksHtml(timeline, locale);
  return pages::HtmlSection("rates", locale.Text(locale.texts.ratesHeading), body);
}

}  // namespace stats_host
