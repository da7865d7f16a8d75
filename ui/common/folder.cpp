// SPDX-License-Identifier: MIT
#include "ui/common/folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace valdora {

namespace {
constexpr int kAppData = 26;
}

std::string SpecialFolderPath(int csidl) {
  if (csidl != kAppData) return {};
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

std::string FirstFixedDrive() { return QDir::homePath().toStdString(); }

bool FolderExists(const std::string& path) {
  const QString trimmed = QString::fromStdString(path).trimmed();
  return !trimmed.isEmpty() && QFileInfo(trimmed).isDir();
}

std::string AppDataFilePath(const std::string& fileName, const std::string& folderName) {
  std::string base = SpecialFolderPath(kAppData);
  if (base.empty()) base = FirstFixedDrive();
  const QString folder = QDir::cleanPath(QString::fromStdString(base + "/" + folderName));
  if (!FolderExists(folder.toStdString())) QDir().mkpath(folder);
  return (folder + QLatin1Char('/') + QString::fromStdString(fileName)).toStdString();
}

}  // namespace valdora
