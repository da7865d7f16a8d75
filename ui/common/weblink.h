// SPDX-License-Identifier: MIT
// Opening web pages in the user's browser, with the one failure message, and the file
// extension of a path or address.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace valdora {

// The extension of the last component (after the last backslash) of `path`, without the
// dot; empty if it has none. Lower case when `blnLowerCase`.
std::string FileExtension(const std::string& path, bool blnLowerCase);

// The message for a failed launch with error code `code` (32 or less) of an address whose
// lower-case extension is `extension`.
std::string WebLaunchErrorMessage(std::int32_t code, const std::string& extension);

// Opens `strURL` in the default browser; a failure is reported in a warning box titled
// "Cannot launch web browser" and not passed on.
void OpenWebPage(const std::string& strURL);

// Replaces the real launcher (tests): it gets the address and returns the launcher's result
// code (above 32 = started). An empty function restores the real launcher.
using WebLauncher = std::function<std::int32_t(const std::string& url)>;
void SetWebLauncher(WebLauncher launcher);

// The address of the user manual in `language` (German: its German section), a page shipped
// with the program; and the publisher's page.
std::string UserManualAddress(std::int16_t language);
std::string PublisherAddress();

}  // namespace valdora
