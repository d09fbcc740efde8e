// This file is UTF-8: the Russian text goes into the outputs as it stands here.

#include "logs/file/repairs_heading.h"

namespace logs {

std::string_view RepairsHeading(ReportLanguage language) {
  return language == ReportLanguage::kRussian ? "Исправления при чтении вашего отчёта"
                                              : "Repairs made while reading your log";
}

}  // namespace logs
