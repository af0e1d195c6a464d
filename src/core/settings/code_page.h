#pragma once

#include <QByteArray>
#include <QStringView>

namespace quilldar::settings {

// Text leaves the program (CSV files, PDF text) as 8-bit text in the Windows code page of the
// active language: 1250 for Czech, Hungarian and Polish, 1251 for Russian, 1254 for Turkish and
// 1252 for the others. A character the code page cannot hold becomes '?', as Windows writes it.

int windowsCodePage(int languageIndex);

QByteArray encodeForLanguage(int languageIndex, QStringView text);

// Encodes into one of the code pages 1250, 1251, 1252 and 1254 (any other number is taken as
// 1252). Uses Qt's converter when it knows the code page, iconv otherwise.
QByteArray encodeWindowsCodePage(int codePage, QStringView text);

// The iconv path on its own, so that both paths can be checked against each other.
QByteArray encodeWindowsCodePageWithIconv(int codePage, QStringView text);

}  // namespace quilldar::settings
