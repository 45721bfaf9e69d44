#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "lang/helptopics.h"

namespace tav2 {
namespace {

// The help file as the help window reads it, with the anchors and the
// in-file links it holds.
class HelpManual {
 public:
  HelpManual() {
    std::ifstream in(TAV2_SOURCE_DIR "/data/help/TAV2.html", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    html_ = text.str();
    Collect("<a name=\"", anchors_);
    Collect("href=\"#", links_);
  }

  const std::string& Html() const { return html_; }

  int AnchorCount(const std::string& name) const {
    return static_cast<int>(std::count_if(anchors_.begin(), anchors_.end(),
                                          [&](const Match& m) { return m.name == name; }));
  }

  std::vector<std::string> AnchorNames() const { return Names(anchors_); }
  std::vector<std::string> LinkTargets() const { return Names(links_); }

  // Text from an anchor to the next anchor whose name is in `ends`, or to
  // the end of the file.
  std::string SectionAfter(const std::string& name, const std::set<std::string>& ends) const {
    const auto start = std::find_if(anchors_.begin(), anchors_.end(),
                                    [&](const Match& m) { return m.name == name; });
    if (start == anchors_.end()) return {};
    const auto stop = std::find_if(start + 1, anchors_.end(),
                                   [&](const Match& m) { return ends.count(m.name) > 0; });
    const std::size_t end = stop == anchors_.end() ? html_.size() : stop->position;
    return html_.substr(start->position, end - start->position);
  }

 private:
  struct Match {
    std::string name;
    std::size_t position;
  };

  // The quoted values that follow each occurrence of `opening`.
  void Collect(std::string_view opening, std::vector<Match>& into) const {
    for (std::size_t at = html_.find(opening); at != std::string::npos; at = html_.find(opening, at + 1)) {
      const std::size_t value = at + opening.size();
      into.push_back({html_.substr(value, html_.find('"', value) - value), at});
    }
  }

  static std::vector<std::string> Names(const std::vector<Match>& matches) {
    std::vector<std::string> names;
    for (const Match& m : matches) names.push_back(m.name);
    return names;
  }

  std::string html_;
  std::vector<Match> anchors_;
  std::vector<Match> links_;
};

std::set<std::string> TopicAnchors() {
  std::set<std::string> anchors;
  for (std::size_t i = 1; i < HelpTopics::kTitles.size(); ++i) {
    anchors.insert(HelpTopics::Anchor(HelpTopics::kTitles[i]));
  }
  return anchors;
}

TEST(HelpManual, FileIsThere) {
  const HelpManual manual;
  ASSERT_FALSE(manual.Html().empty()) << TAV2_SOURCE_DIR "/data/help/TAV2.html";
  EXPECT_NE(manual.Html().find("</html>"), std::string::npos);
}

TEST(HelpManual, EveryTopicHasExactlyOneAnchor) {
  const HelpManual manual;
  for (std::size_t i = 1; i < HelpTopics::kTitles.size(); ++i) {
    const std::string anchor = HelpTopics::Anchor(HelpTopics::kTitles[i]);
    EXPECT_EQ(manual.AnchorCount(anchor), 1) << HelpTopics::kTitles[i] << " -> " << anchor;
  }
}

TEST(HelpManual, NoAnchorIsDefinedTwice) {
  const HelpManual manual;
  std::map<std::string, int> seen;
  for (const std::string& name : manual.AnchorNames()) ++seen[name];
  for (const auto& [name, count] : seen) EXPECT_EQ(count, 1) << name;
  EXPECT_EQ(seen.count("contents"), 1u);
}

TEST(HelpManual, EveryLinkLeadsToAnAnchor) {
  const HelpManual manual;
  const std::vector<std::string> names = manual.AnchorNames();
  const std::set<std::string> anchors(names.begin(), names.end());
  const std::vector<std::string> targets = manual.LinkTargets();
  ASSERT_FALSE(targets.empty());
  for (const std::string& target : targets) EXPECT_EQ(anchors.count(target), 1u) << "#" << target;
}

TEST(HelpManual, ContentsLinkEveryTopic) {
  const HelpManual manual;
  std::set<std::string> others;
  for (const std::string& name : manual.AnchorNames()) {
    if (name != "contents") others.insert(name);
  }
  const std::string contents = manual.SectionAfter("contents", others);
  for (const std::string& anchor : TopicAnchors()) {
    EXPECT_NE(contents.find("href=\"#" + anchor + "\""), std::string::npos) << anchor;
  }
}

// Context help leads these words to their titles, so the section there
// should speak of them.
TEST(HelpManual, AliasWordsAppearInTheSectionTheyLeadTo) {
  const HelpManual manual;
  const std::set<std::string> topics = TopicAnchors();
  for (const HelpTopics::Alias& alias : HelpTopics::kAliases) {
    const std::string section = manual.SectionAfter(HelpTopics::Anchor(alias.title), topics);
    EXPECT_NE(section.find(alias.word), std::string::npos) << alias.word << " in " << alias.title;
  }
}

// The help window reads the file without guessing an encoding.
TEST(HelpManual, IsPlainAscii) {
  const HelpManual manual;
  const std::string& html = manual.Html();
  const auto wide = std::find_if(html.begin(), html.end(), [](char ch) { return (ch & 0x80) != 0; });
  EXPECT_EQ(wide, html.end()) << "non-ASCII byte at offset " << (wide - html.begin());
}

}  // namespace
}  // namespace tav2
