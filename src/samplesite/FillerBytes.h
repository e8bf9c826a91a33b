#pragma once
// Deterministic printable filler for comment segments and text chunks: the
// same seed always gives the same bytes, different seeds different ones.

#include <QByteArray>
#include <QtGlobal>

namespace lumvane {

void AppendFiller(QByteArray& out, quint64 seed, qint64 count);

}  // namespace lumvane
