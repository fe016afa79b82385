#pragma once

#include <QMimeData>
#include <QString>

namespace tess {

// What the editor's own drags carry: a tincture (1..11) from the tincture
// palette, or a fur code (108..119) from the fur palette and the user-fur
// swatches, as decimal text under a type of our own. A drop reads the value
// from the payload it receives, never from the palette's last hovered cell, and
// a foreign drag (text, files, another program's data) carries none of these
// types, so it is refused before any value is read.
inline constexpr char kTinctureMimeType[] = "application/x-tessaline-tincture";
inline constexpr char kFurMimeType[] = "application/x-tessaline-fur";
inline constexpr int kFirstDragTincture = 1;
inline constexpr int kLastDragTincture = 11;
inline constexpr int kFirstDragFur = 108;
inline constexpr int kLastDragFur = 119;

// A new payload for a drag (the drag takes ownership).
inline QMimeData* makeTinctureDrag(int tincture) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kTinctureMimeType), QByteArray::number(tincture));
    return data;
}
inline QMimeData* makeFurDrag(int furCode) {
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kFurMimeType), QByteArray::number(furCode));
    return data;
}

namespace detail {
inline int payloadNumber(const QMimeData* data, const char* type, int first, int last) {
    if (!data || !data->hasFormat(QString::fromLatin1(type))) return 0;
    bool ok = false;
    const int v = data->data(QString::fromLatin1(type)).trimmed().toInt(&ok);
    return ok && v >= first && v <= last ? v : 0;
}
}  // namespace detail

// The tincture 1..11 a payload carries; 0 for anything else.
inline int draggedTincture(const QMimeData* data) {
    return detail::payloadNumber(data, kTinctureMimeType, kFirstDragTincture, kLastDragTincture);
}
// The fur code 108..119 a payload carries; 0 for anything else.
inline int draggedFur(const QMimeData* data) {
    return detail::payloadNumber(data, kFurMimeType, kFirstDragFur, kLastDragFur);
}

}  // namespace tess
