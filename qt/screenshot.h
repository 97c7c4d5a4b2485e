#pragma once

#include <QString>

#include <string>
#include <vector>

namespace korvida::qt {

class DesktopApp;

// Takes "--screenshot FILE" out of the arguments and answers FILE (empty when not given).
QString takeScreenshotOption(std::vector<std::string>& arguments);

// After the folder given on the command line has been read (a few ticks), saves a picture of
// the main window to the file and ends the program. Used to make the README's picture.
void scheduleScreenshot(DesktopApp& desktop, const QString& file);

} // namespace korvida::qt
