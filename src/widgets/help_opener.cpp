#include "widgets/help_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include "resources/help_page.h"

namespace tess {

namespace {

QByteArray pageBytes() {
    const std::string_view page = helpPageHtml();
    return QByteArray(page.data(), qsizetype(page.size()));
}

}  // namespace

QString helpAnchor(HelpContext context) {
    switch (context) {
        case HelpContext::PrintAndExport:
            return QStringLiteral("impression");
        case HelpContext::LineStyles:
            return QStringLiteral("styles-de-ligne");
        case HelpContext::FurEditor:
            return QStringLiteral("editeur-fourrures");
        case HelpContext::PictureProperties:
            return QStringLiteral("proprietes-image");
        case HelpContext::ChargeDistribution:
            return QStringLiteral("distribution-meubles");
        case HelpContext::Contents:
            break;
    }
    return QStringLiteral("contenu");
}

HelpOpener::HelpOpener(std::string helpFolder, Tell tell, OpenUrl open)
    : openUrl(open ? std::move(open)
                   : OpenUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })),
      folder_(std::move(helpFolder)),
      tell_(std::move(tell)) {}

QString HelpOpener::pagePath() const {
    return QFile::decodeName(QByteArray::fromStdString(folder_)) +
           QStringLiteral("/tessaline.html");
}

bool HelpOpener::install() {
    const QByteArray page = pageBytes();
    QFile current(pagePath());
    // Reading the page back costs one small file; it spares a write at every
    // start-up and keeps a read-only copy that is already right usable.
    if (current.size() == page.size() && current.open(QIODevice::ReadOnly) &&
        current.readAll() == page)
        return true;
    current.close();
    if (!QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(folder_)))) return false;
    // Written aside and renamed over the old page: never half a page in place.
    QSaveFile file(pagePath());
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(page) != page.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool HelpOpener::open(HelpContext context) {
    last_ = context;
    if (!install() && !QFile::exists(pagePath())) {
        if (tell_)
            tell_(QStringLiteral("L'aide n'a pas pu être installée dans le dossier ") +
                  QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(folder_))) +
                  QStringLiteral(" : ce dossier ne peut pas être écrit."));
        return false;
    }
    QUrl url = QUrl::fromLocalFile(pagePath());
    url.setFragment(helpAnchor(context));
    if (openUrl(url)) return true;
    if (tell_)
        tell_(QStringLiteral("Aucun navigateur n'a pu ouvrir l'aide. Vous la trouverez dans "
                             "le fichier ") +
              QDir::toNativeSeparators(pagePath()) + QStringLiteral("."));
    return false;
}

bool HelpOpener::repeatLast() {
    return open(last_);
}

}  // namespace tess
