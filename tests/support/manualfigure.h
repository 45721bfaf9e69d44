#pragma once
// The figures the manual draws as tables: a <table data-figure="NAME"> read
// as rows of cells, each with its attributes, its column span and its text
// (tags removed), so that tests can hold a figure against the code it shows.
#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace tav2::test {

struct FigureCell {
  std::map<std::string, std::string> attributes;
  std::string text;
  int columns = 1;

  bool Has(const std::string& name) const { return attributes.count(name) > 0; }
  const std::string& Get(const std::string& name) const { return attributes.at(name); }
};

using FigureRows = std::vector<std::vector<FigureCell>>;

// The attributes name="value" of a tag.
inline std::map<std::string, std::string> TagAttributes(const std::string& tag) {
  std::map<std::string, std::string> attributes;
  for (std::size_t equals = tag.find("=\""); equals != std::string::npos; equals = tag.find("=\"", equals)) {
    const std::size_t name = tag.find_last_of(" \n", equals) + 1;
    const std::size_t end = tag.find('"', equals + 2);
    attributes[tag.substr(name, equals - name)] = tag.substr(equals + 2, end - equals - 2);
    equals = end;
  }
  return attributes;
}

inline std::string WithoutTags(const std::string& html) {
  std::string text;
  bool inTag = false;
  for (char ch : html) {
    if (ch == '<' || ch == '>') {
      inTag = ch == '<';
      continue;
    }
    if (!inTag) text += ch;
  }
  return text;
}

// The rows of the figure's table; empty when the manual has no such figure.
inline FigureRows ReadFigure(const std::string& html, const std::string& name) {
  FigureRows rows;
  const std::size_t mark = html.find("data-figure=\"" + name + "\"");
  if (mark == std::string::npos) return rows;
  const std::size_t end = html.find("</table>", mark);
  for (std::size_t row = html.find("<tr", mark); row < end; row = html.find("<tr", row + 1)) {
    const std::size_t rowEnd = html.find("</tr>", row);
    rows.emplace_back();
    for (std::size_t cell = html.find("<t", row + 3); cell < rowEnd; cell = html.find("<t", cell + 1)) {
      if (html.compare(cell, 3, "<td") != 0 && html.compare(cell, 3, "<th") != 0) continue;
      const std::size_t tagEnd = html.find('>', cell);
      const std::size_t close = html.find("</t", tagEnd);
      FigureCell figureCell;
      figureCell.attributes = TagAttributes(html.substr(cell, tagEnd - cell));
      figureCell.text = WithoutTags(html.substr(tagEnd + 1, close - tagEnd - 1));
      if (figureCell.Has("colspan")) figureCell.columns = std::stoi(figureCell.Get("colspan"));
      rows.back().push_back(figureCell);
    }
  }
  return rows;
}

}  // namespace tav2::test
