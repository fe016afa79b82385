#pragma once

#include <functional>
#include <string>

#include <QString>
#include <QUrl>

namespace tess {

// The help topics the windows ask for, by the numbers their "?" buttons use.
enum class HelpContext : int {
    Contents = 0,
    PrintAndExport = 3,
    LineStyles = 4,
    FurEditor = 6,
    PictureProperties = 10,
    ChargeDistribution = 12,
};

// The anchor of a topic's section in the help page.
QString helpAnchor(HelpContext context);

// Opens the program's help page at a topic in the person's browser. The page
// is written into the help folder when it is missing or differs from the one
// this program carries. Ctrl+A on the canvas repeats the last request (the
// contents before any).
class HelpOpener {
  public:
    // Asks the desktop to open a URL; false when nothing could.
    using OpenUrl = std::function<bool(const QUrl&)>;
    // Tells the person something (the program's message box).
    using Tell = std::function<void(const QString& text)>;

    // `helpFolder` is the program folder's "Aide". Defaults to the desktop's
    // own opener.
    HelpOpener(std::string helpFolder, Tell tell, OpenUrl openUrl = {});

    // Writes the page unless the one in place is already this program's.
    // False when the folder or the file cannot be written.
    bool install();
    // Opens the page at the topic's anchor and remembers the request.
    bool open(HelpContext context);
    // The last request again.
    bool repeatLast();

    QString pagePath() const;
    HelpContext lastRequest() const { return last_; }
    // Tests replace the desktop here.
    OpenUrl openUrl;

  private:
    std::string folder_;
    Tell tell_;
    HelpContext last_ = HelpContext::Contents;
};

}  // namespace tess
