#pragma once
// Previews without the marketplace. The preview page loads the marketplace's widget library from
// its static host; when that did not arrive (no network, or the files are gone), the copy of the
// library that ships with the program is added to the page once it has loaded, so the widgets and
// lazy images still come alive. With the marketplace's library present the page is left alone.

#include <QString>

class QWebEnginePage;

namespace ornavo::web {

// The folder of the shipped widget library (it holds ornavo-preview.js): $ORNAVO_PREVIEW_RUNTIME
// when set, else "preview-runtime" beside the program, else "share/ornavo/preview-runtime" beside
// the program's folder, else the copy in the build tree. Empty when none of them has it.
QString previewRuntimeFolder();

// The text as a JavaScript string literal.
QString javaScriptString(const QString& text);

// From now on, after each successful load of a preview page (preview_scheme.h), adds the shipped
// library's init script, which the page reaches through its own scheme, when the page has no KISSY of
// its own. Does nothing when there is no shipped library.
void useLocalWidgetLibrary(QWebEnginePage* page);

} // namespace ornavo::web
