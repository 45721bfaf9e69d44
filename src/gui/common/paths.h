#pragma once
#include <QString>
#include <filesystem>

namespace tav2 {

// File names between Qt and the core (UTF-8 on the workbench's platforms).
inline std::filesystem::path ToPath(const QString& name) { return std::filesystem::path(name.toStdString()); }
inline QString FromPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace tav2
