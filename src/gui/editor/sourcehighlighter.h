#pragma once
#include <QPointer>
#include <QSyntaxHighlighter>
#include <optional>

#include "core/editor/colourregion.h"
#include "core/editor/editkind.h"
#include "core/editor/syntaxcolourer.h"

class QTextDocument;

namespace tav2 {

class Mcrom;

// Colours an assembler or micro-code source between its first and last "##"
// with the classes of the core colourer. Each text block keeps whether it
// ends inside a "/*" comment, so typing repaints only the changed lines (and
// the following ones while their comment state changes). The region is
// found again on every change of the text; when a marker moved other than
// by the edit itself, the whole document is repainted.
class SourceHighlighter : public QSyntaxHighlighter {
  Q_OBJECT

 public:
  // Instruction names of assembler sources are those `mcrom` holds when a
  // line is coloured.
  SourceHighlighter(QTextDocument* document, const Mcrom& mcrom, EditKind kind);

  EditKind Kind() const { return colourer_.Kind(); }
  void SetKind(EditKind kind);

  bool Enabled() const { return enabled_; }
  // On: the whole text is coloured at once. Off: the text is shown plain.
  void SetEnabled(bool on);

  // Colours the whole text again (after the micro-code ROM changed, say).
  void Recolour();

  const std::optional<ColourRegion>& Region() const { return region_; }
  // True while the colours of the whole text are being painted again: the
  // document reports such a pass as a change, but its text stays as it is.
  bool Recolouring() const { return recolouring_; }

 protected:
  void highlightBlock(const QString& text) override;

 private:
  class ColourPass;

  void DocumentChanged(int position, int removed, int added);
  std::optional<ColourRegion> FindRegion() const;

  QPointer<QTextDocument> document_;
  SyntaxColourer colourer_;
  std::optional<ColourRegion> region_;
  bool enabled_ = true;
  bool recolouring_ = false;
};

}  // namespace tav2
