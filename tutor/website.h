#ifndef WEBSITE_H
#define WEBSITE_H

class QByteArray;
class QUrl;
class QWidget;

// The maker's web site. Every address the tutor opens (the score report, the
// About buttons and the link strip) starts with Base; change the host here
// and nowhere else. Nothing here touches the network: every address is
// handed to the desktop's browser.
namespace WebSite {
inline constexpr char Base[] = "http://www.nuvari.example";
inline constexpr char MailAddress[] = "service@nuvari.example";

// The pages the About buttons open.
inline constexpr char DictPath[] = "/dict";
inline constexpr char TranslationPath[] = "/fanyi";
inline constexpr char HomePath[] = "";
inline constexpr char QuestionPath[] = "/bbs";
inline constexpr char ImePath[] = "/ime";
inline constexpr char TypingPath[] = "/qirtas";

// Hands `address` to the desktop's browser; where there is none, a box over
// `parent` gives the learner the address to copy.
void Open(const QUrl& address, QWidget* parent);
// The page at `path` of the site.
void OpenPage(const char* path, QWidget* parent);
// The score report carrying `document` (the top scores as XML).
void OpenReport(const QByteArray& document, QWidget* parent);
} // namespace WebSite

#endif // WEBSITE_H
