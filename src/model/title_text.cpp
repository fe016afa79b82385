#include "model/title_text.h"

#include "platform/paths.h"

namespace tess {

std::string TitleText(std::string_view filePath, bool modified) {
    std::string title = "Tessaline";
    if (!filePath.empty()) title += " [" + FileNameOfPath(filePath) + "]";
    if (modified) title += '*';
    return title;
}

std::string TitleText(const Workspace& ws) {
    return TitleText(ws.CurrentBlazon.FilePath, ws.Modified);
}

}  // namespace tess
