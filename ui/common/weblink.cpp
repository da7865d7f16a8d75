// SPDX-License-Identifier: MIT
#include "ui/common/weblink.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <utility>

#include "engine/StringHelpers.h"
#include "text/Language.h"
#include "ui/common/MessageBox.h"

namespace valdora {

namespace {
// Launcher results in the shell's terms.
constexpr std::int32_t kStarted = 42;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kNoAssociation = 31;

WebLauncher& Launcher() {
  static WebLauncher launcher;
  return launcher;
}

std::int32_t LaunchWithDesktop(const std::string& address) {
  const QUrl url = QUrl::fromUserInput(QString::fromStdString(address));
  if (!url.isValid()) return kFileNotFound;
  if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) return kFileNotFound;
  return QDesktopServices::openUrl(url) ? kStarted : kNoAssociation;
}

// manual.html, found as the program text file is: beside the program (the build tree), then
// in ../share/valdora beside it (an installed prefix). When neither exists the address
// beside the program stands, and opening it reports the failure.
QString ManualPath() {
  const QString appDir = QCoreApplication::applicationDirPath();
  const QStringList candidates = {appDir + QStringLiteral("/manual.html"),
                                  appDir + QStringLiteral("/../share/valdora/manual.html")};
  for (const QString& candidate : candidates) {
    if (QFileInfo::exists(candidate)) return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
  }
  return QDir::cleanPath(candidates.front());
}

std::string ManualUrl(const char* fragment) {
  QUrl url = QUrl::fromLocalFile(ManualPath());
  if (fragment != nullptr) url.setFragment(QString::fromLatin1(fragment));
  return url.toString().toStdString();
}
}  // namespace

std::string FileExtension(const std::string& path, bool blnLowerCase) {
  const std::size_t slash = path.rfind('\\');
  const std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
  const std::size_t dot = last.rfind('.');
  if (dot == std::string::npos) return {};
  std::string extension = last.substr(dot + 1);
  return blnLowerCase ? AsciiLower(std::move(extension)) : extension;
}

std::string WebLaunchErrorMessage(std::int32_t code, const std::string& extension) {
  std::string message = "Error launching web browser, error code = " + std::to_string(code) + ".";
  switch (code) {
    case 31:
      message += "\r\n\r\nFile extension '" + extension +
                 "' is not associated with any application program.";
      break;
    case 8: message += "\r\n\r\nOut of memory."; break;
    case 2: message += "\r\n\r\nPlease try once more."; break;
    default: break;
  }
  return message;
}

void OpenWebPage(const std::string& strURL) {
  const std::string extension = FileExtension(strURL, true);
  const std::int32_t r = Launcher() ? Launcher()(strURL) : LaunchWithDesktop(strURL);
  if (r > 32) return;
  ShowMessage(nullptr, QString::fromStdString(WebLaunchErrorMessage(r, extension)),
              QStringLiteral("Cannot launch web browser"), MsgIcon::Warning, MsgButtons::Ok);
}

void SetWebLauncher(WebLauncher launcher) { Launcher() = std::move(launcher); }

std::string UserManualAddress(std::int16_t language) {
  return ManualUrl(language == intGerman ? "de" : nullptr);
}

std::string PublisherAddress() { return ManualUrl("publisher"); }

}  // namespace valdora
