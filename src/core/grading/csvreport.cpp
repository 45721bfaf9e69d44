#include "core/grading/csvreport.h"

#include "core/grading/shown.h"
#include "core/util/formatted.h"

namespace tav2 {

namespace {

std::string Field(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char ch : text) {
    if (ch == '"') quoted += '"';
    quoted += ch;
  }
  return quoted + "\"";
}

}  // namespace

std::string CsvReport::Text(const std::vector<ProgramResult>& results) {
  std::string text = "program,points,max_points,passed,failed\n";
  for (const ProgramResult& result : results) {
    text += Formatted("%s,%s,%s,%zu,%zu\n", Field(Shown::Line(result.program)).c_str(),
                      Shown::Points(result.Points()).c_str(), Shown::Points(result.MaxPoints()).c_str(),
                      result.Passed(), result.Failed());
  }
  return text;
}

}  // namespace tav2
