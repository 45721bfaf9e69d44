#include "core/shell/layoutfile.h"

#include <cstdint>
#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "core/shell/textfile.h"

namespace tav2 {

namespace {

namespace fs = std::filesystem;
using Json = nlohmann::ordered_json;

constexpr const char* kBig = "big";
constexpr const char* kSmall = "small";

// ---- Writing ----

Json BoundsObject(const WindowBounds& bounds) {
  return Json{{"left", bounds.left}, {"top", bounds.top}, {"width", bounds.width}, {"height", bounds.height}};
}

Json ColumnsObject(const MemoryViewColumns& columns) {
  return Json{{"hex", columns.hex},       {"decimal", columns.decimal},         {"ascii", columns.ascii},
              {"binary", columns.binary}, {"disassembly", columns.disassembly}, {"pcMark", columns.pcMark}};
}

Json MemoryViewObject(std::size_t slot, const StoredMemoryView& view) {
  Json object = Json{{"slot", slot}};
  object.update(BoundsObject(view.settings.bounds));
  object["page"] = view.settings.pageBase >> 8;
  object["columns"] = ColumnsObject(view.columns);
  return object;
}

// ---- Reading: every reader gives nullopt for a missing or wrong value ----

std::optional<int> IntegerIn(const Json& object, const char* key, int lowest, int highest) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_number_integer()) return std::nullopt;
  if (found->is_number_unsigned()) {
    const auto value = found->get<uint64_t>();
    if (value > static_cast<uint64_t>(highest) || (lowest > 0 && value < static_cast<uint64_t>(lowest)))
      return std::nullopt;
    return static_cast<int>(value);
  }
  const auto value = found->get<int64_t>();
  if (value < lowest || value > highest) return std::nullopt;
  return static_cast<int>(value);
}

std::optional<bool> Flag(const Json& object, const char* key) {
  const auto found = object.find(key);
  if (found == object.end() || !found->is_boolean()) return std::nullopt;
  return found->get<bool>();
}

std::optional<WindowBounds> BoundsIn(const Json& object) {
  if (!object.is_object()) return std::nullopt;
  constexpr int kFar = LayoutFile::kLargestCoordinate;
  const auto left = IntegerIn(object, "left", -kFar, kFar);
  const auto top = IntegerIn(object, "top", -kFar, kFar);
  const auto width = IntegerIn(object, "width", 1, kFar);
  const auto height = IntegerIn(object, "height", 1, kFar);
  if (!left || !top || !width || !height) return std::nullopt;
  return WindowBounds{*left, *top, *width, *height};
}

std::optional<SizeMode> SizeModeIn(const Json& object) {
  const auto found = object.find("size");
  if (found == object.end() || !found->is_string()) return std::nullopt;
  if (*found == kBig) return SizeMode::Big;
  if (*found == kSmall) return SizeMode::Small;
  return std::nullopt;
}

std::optional<ProcessorWindowSettings> ProcessorIn(const Json& object) {
  const auto bounds = BoundsIn(object);
  if (!bounds) return std::nullopt;
  const auto mode = SizeModeIn(object);
  if (!mode) return std::nullopt;
  return ProcessorWindowSettings{*bounds, *mode};
}

std::optional<MemoryViewColumns> ColumnsIn(const Json& object) {
  const auto found = object.find("columns");
  if (found == object.end() || !found->is_object()) return std::nullopt;
  MemoryViewColumns columns;
  for (auto [key, flag] :
       {std::pair{"hex", &columns.hex}, std::pair{"decimal", &columns.decimal},
        std::pair{"ascii", &columns.ascii}, std::pair{"binary", &columns.binary},
        std::pair{"disassembly", &columns.disassembly}, std::pair{"pcMark", &columns.pcMark}}) {
    const auto value = Flag(*found, key);
    if (!value) return std::nullopt;
    *flag = *value;
  }
  return columns;
}

// The views by slot; nullopt when one is wrong or two claim the same slot.
std::optional<StoredLayout> WithMemoryViews(StoredLayout layout, const Json& views) {
  if (!views.is_array() || views.size() > layout.memoryViews.size()) return std::nullopt;
  for (const Json& view : views) {
    if (!view.is_object()) return std::nullopt;
    const auto slot = IntegerIn(view, "slot", 0, LayoutDefaults::kMemoryViews - 1);
    const auto bounds = BoundsIn(view);
    const auto page = IntegerIn(view, "page", 0, 0xFF);
    const auto columns = ColumnsIn(view);
    if (!slot || !bounds || !page || !columns) return std::nullopt;
    auto& stored = layout.memoryViews[static_cast<std::size_t>(*slot)];
    if (stored) return std::nullopt;
    stored = StoredMemoryView{{*bounds, static_cast<uint16_t>(*page << 8)}, *columns};
  }
  return layout;
}

// A window's entry: absent (the window was closed) or right.
template <class Value, class Reader>
bool ReadWindow(const Json& document, const char* key, std::optional<Value>& into, Reader read) {
  const auto found = document.find(key);
  if (found == document.end()) return true;
  into = read(*found);
  return into.has_value();
}

std::optional<StoredLayout> LayoutIn(const Json& document) {
  if (!document.is_object()) return std::nullopt;
  const auto version = IntegerIn(document, "version", LayoutFile::kVersion, LayoutFile::kVersion);
  const auto percent = IntegerIn(document, "zoom", ZoomLevel::kSteps.front(), ZoomLevel::kSteps.back());
  if (!version || !percent) return std::nullopt;
  const auto zoom = ZoomLevel::FromPercent(*percent);
  if (!zoom) return std::nullopt;
  StoredLayout layout;
  layout.zoom = *zoom;
  if (!ReadWindow(document, "processor", layout.processor, ProcessorIn) ||
      !ReadWindow(document, "screen", layout.screen, BoundsIn) ||
      !ReadWindow(document, "romView", layout.romView, BoundsIn)) {
    return std::nullopt;
  }
  const auto views = document.find("memoryViews");
  if (views == document.end()) return layout;
  return WithMemoryViews(std::move(layout), *views);
}

std::optional<std::string> ReadSmallFile(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  const std::uintmax_t size = fs::file_size(file, error);
  if (error || size > LayoutFile::kLargestFile) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return std::nullopt;
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (in.bad() || text.size() > LayoutFile::kLargestFile) return std::nullopt;
  return text;
}

}  // namespace

std::string LayoutFile::Text(const StoredLayout& layout) {
  Json document = Json{{"version", kVersion}, {"zoom", layout.zoom.Percent()}};
  if (layout.processor) {
    Json processor = BoundsObject(layout.processor->bounds);
    processor["size"] = layout.processor->sizeMode == SizeMode::Small ? kSmall : kBig;
    document["processor"] = processor;
  }
  if (layout.screen) document["screen"] = BoundsObject(*layout.screen);
  if (layout.romView) document["romView"] = BoundsObject(*layout.romView);
  Json views = Json::array();
  for (std::size_t slot = 0; slot < layout.memoryViews.size(); ++slot) {
    if (const auto& view = layout.memoryViews[slot]) views.push_back(MemoryViewObject(slot, *view));
  }
  if (!views.empty()) document["memoryViews"] = views;
  return document.dump(2) + "\n";
}

std::optional<StoredLayout> LayoutFile::Parse(std::string_view text) {
  const Json document = Json::parse(text.begin(), text.end(), nullptr, false);
  if (document.is_discarded()) return std::nullopt;
  return LayoutIn(document);
}

std::optional<StoredLayout> LayoutFile::Read(const std::vector<fs::path>& directories) {
  for (const fs::path& directory : directories) {
    std::error_code error;
    if (!fs::exists(directory / kFileName, error)) continue;
    const auto text = ReadSmallFile(directory / kFileName);
    return text ? Parse(*text) : std::nullopt;
  }
  return std::nullopt;
}

std::optional<fs::path> LayoutFile::Write(const std::vector<fs::path>& directories,
                                          const StoredLayout& layout, std::string* failure) {
  return TextFile::ReplaceInFirst(directories, kFileName, Text(layout), failure);
}

}  // namespace tav2
