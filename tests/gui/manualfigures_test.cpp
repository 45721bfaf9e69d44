// The manual's figures as the help window and the processor window show
// them: every image of the manual is there for the help window to display
// (the datapath figures are drawn in the build), and the sequencer figure
// lights the F, D and E indicators as the processor window does.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/lang/assembler.h"
#include "core/lang/microcodeparser.h"
#include "fakehost.h"
#include "gui/shell/helpwindow.h"
#include "guitest.h"
#include "support/manualfigure.h"
#include "scripteddialogs.h"

namespace tav2 {
namespace {

const std::string kHomeManual = std::string(TAV2_HOME) + "/help/TAV2.html";

std::string HomeManual() {
  QFile file(QString::fromStdString(kHomeManual));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << kHomeManual;
  return file.readAll().toStdString();
}

// The src of every <img> of the manual.
std::vector<std::string> ImageSources(const std::string& html) {
  std::vector<std::string> sources;
  for (std::size_t at = html.find("<img "); at != std::string::npos; at = html.find("<img ", at + 1)) {
    sources.push_back(test::TagAttributes(html.substr(at, html.find('>', at) - at)).at("src"));
  }
  return sources;
}

TEST(ManualFiguresShown, TheHelpWindowShowsEveryImage) {
  const std::vector<std::string> sources = ImageSources(HomeManual());
  ASSERT_GE(sources.size(), 6u) << "the datapath in both sizes";
  HelpWindow help;
  help.ShowContents(QString::fromStdString(kHomeManual));
  QTextDocument* document = help.HelpBrowser()->document();
  for (const std::string& source : sources) {
    const QUrl url(QString::fromStdString(source));
    const QImage image = document->resource(QTextDocument::ImageResource, url).value<QImage>();
    EXPECT_FALSE(image.isNull()) << source << " is not beside " << kHomeManual;
    EXPECT_GE(image.width(), 200) << source;
  }
}

TEST(ManualFiguresShown, TheSequencerFigureLightsFdeAsTheProcessorWindow) {
  const test::FigureRows rows = test::ReadFigure(HomeManual(), "sequencer");
  std::map<std::string, std::vector<QColor>> drawn;  // F, D, E by phase
  for (const std::vector<test::FigureCell>& row : rows) {
    if (row.empty() || !row[0].Has("data-phase")) continue;
    for (std::size_t i = 1; i <= 3; ++i)
      drawn[row[0].Get("data-phase")].emplace_back(row[i].Get("bgcolor").c_str());
  }
  ASSERT_EQ(drawn.size(), 5u);

  test::ScriptedDialogs dialogs;
  test::FakeHost host;
  MicrocodeParser microcode(host.machine->mcrom);
  microcode.loadAfterBuild = true;
  ASSERT_TRUE(microcode.ParseSourceFile(TAV2_SOURCE_DIR "/data/microdefs.mca"));
  Assembler assembler(*host.machine);
  assembler.loadAfterBuild = true;
  ASSERT_TRUE(assembler.ParseSource("##\nbegin INC (count)\n        HALT\ncount   DAT 5\n##\n", "fde.asm"));
  ProcessorWindow& window = host.OpenProcessor();
  const std::map<Phase, std::string> names = {{Phase::Fetch, "fetch"},
                                              {Phase::Immediate, "immediate"},
                                              {Phase::Indirect, "indirect"},
                                              {Phase::Execute, "execute"},
                                              {Phase::WriteBack, "write-back"}};
  std::set<std::string> seen;
  for (int clock = 0; window.Cpu().State().instructions == 0 && clock < 20; ++clock) {
    const std::string& phase = names.at(window.Cpu().State().phase);
    seen.insert(phase);
    const std::vector<QColor>& lit = drawn.at(phase);
    int i = 0;
    for (const char* indicator : {"Fetchedit", "Decoedit", "Execedit"}) {
      EXPECT_EQ(test::Background(window.findChild<QLineEdit*>(indicator)), lit[static_cast<std::size_t>(i++)])
          << phase << " " << indicator;
    }
    window.OnClockPressed();
    window.OnClockReleased();
  }
  EXPECT_EQ(seen.size(), 5u);
}

}  // namespace
}  // namespace tav2
