#pragma once
// The preview page's own address space. The page is shown as "ornavo://preview/test.html" (the page
// board's whole page as "ornavo://preview/page.html") and the
// shipped widget library as "ornavo://preview/runtime/…", both served from their files by the program;
// "ornavo://preview/bare.html" is the shop page without code, from memory (a preview readied ahead).
// Such a page is no local file: no script in it (the module's code, the marketplace's scripts) can read
// any file of this machine but the ones the page is made of, and nothing else is served.

#include <QString>
#include <QUrl>

class QWebEngineProfile;

namespace ornavo::web {

extern const char* const kPreviewScheme; // "ornavo"

QUrl previewPageUrl();                           // ornavo://preview/test.html
QUrl barePageUrl();                              // ornavo://preview/bare.html
QUrl wholePageUrl();                             // ornavo://preview/page.html: the page board's page
QUrl previewRuntimeUrl(const QString& relative); // ornavo://preview/runtime/<relative>
bool isPreviewUrl(const QUrl& url);

// Makes the scheme known to the web engine. Runs by itself when the application object is made (or
// when this library is loaded after it), which is before the engine starts.
void registerPreviewScheme();

// Serves the scheme to the pages of the profile (once per profile).
void servePreviewScheme(QWebEngineProfile* profile);
// The file served as the page; empty: none (the page's address then finds nothing).
void setPreviewPageFile(const QString& path);
// The file served as the whole page of the page board; empty: none.
void setWholePageFile(const QString& path);

} // namespace ornavo::web
