#ifndef WEBSITE_H
#define WEBSITE_H

// The maker's web site. Every address the tutor opens (the score report, the
// About buttons and the link strip) starts with Base; change the host here
// and nowhere else.
namespace WebSite {
inline constexpr char Base[] = "http://www.nuvari.example";
inline constexpr char MailAddress[] = "service@nuvari.example";
}

#endif // WEBSITE_H
