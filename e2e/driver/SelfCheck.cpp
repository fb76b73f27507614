// The driver's own reckoning of today's tooltip, checked against known dates, so that a wrong
// expectation cannot pass a wrong program.
#include <string>

#include "Scenarios.h"
#include "TodayStardate.h"

namespace e2e {

namespace {

struct KnownDay {
  Day day;
  const char* classic;
  const char* nextGeneration;
};

const KnownDay kKnownDays[] = {
    {{2000, 1, 1}, "0/0001.01", "-322997.3"},   {{2001, 12, 31}, "0/0112.31", "-321000"},
    {{2002, 6, 15}, "0/0206.15", "-320545.2"},  {{1967, 7, 26}, "-1/6707.26", "-355432.9"},
    {{2323, 1, 1}, "3/2301.01", " 2.7"},        {{2323, 12, 31}, "3/2312.31", " 1000"},
    {{2324, 2, 29}, "3/2402.29", " 1163.9"},    {{1999, 12, 31}, "-1/9912.31", "-323000"},
    {{800, 1, 1}, "-12/0001.01", "-1522997.3"}, {{2150, 3, 5}, "1/5003.05", "-172824.7"},
    {{2322, 12, 31}, "3/2212.31", " 0"},        {{1900, 3, 1}, "-1/0003.01", "-422835.6"},
};

void KnownDays(Session& session) {
  for (const KnownDay& row : kKnownDays) {
    const std::string date = std::to_string(row.day.day) + "/" + std::to_string(row.day.month) +
                             "/" + std::to_string(row.day.year);
    session.report.Equal("classic code of " + date, row.classic, ClassicCode(row.day));
    session.report.Equal("Next Generation number of " + date, row.nextGeneration,
                         NextGenerationNumber(row.day));
  }
  session.report.Equal("classic tooltip", "Velorn - Data astrale: 0/0206.15",
                       ClassicTooltip({2002, 6, 15}));
  session.report.Equal("Next Generation tooltip", "Velorn NG - Data stellare: -320545.2",
                       NextGenerationTooltip({2002, 6, 15}));
  session.report.Equal("Next Generation tooltip of a positive stardate",
                       "Velorn NG - Data stellare:  1163.9", NextGenerationTooltip({2324, 2, 29}));
}

const RegisteredScenarios kSelf{
    {"self-check", "the driver's own reckoning of the tooltip on known dates", KnownDays},
};

}  // namespace

}  // namespace e2e
