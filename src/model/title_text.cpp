#include "model/title_text.h"

#include "platform/paths.h"
#include "platform/text_encoding.h"

namespace tess {

std::string TitleText(std::string_view filePath, bool modified) {
    std::string title = "Tessaline";
    // The name as bytes is the file's; the title shows it readable.
    if (!filePath.empty()) title += " [" + displayedName(FileNameOfPath(filePath)) + "]";
    if (modified) title += '*';
    return title;
}

std::string TitleText(const Workspace& ws) {
    return TitleText(ws.CurrentBlazon.FilePath, ws.Modified);
}

}  // namespace tess
