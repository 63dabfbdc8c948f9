#include "HelpPages.h"

#include <QDir>
#include <QSaveFile>
#include <utility>
#include <vector>

namespace zgart {

namespace {

using Rows = std::vector<std::pair<QString, QString>>;

QString page(const QString& title, const QString& body)
{
    return QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n<title>%1</title>\n"
                          "<style>body{font-family:sans-serif;margin:12px}"
                          "td,th{text-align:left;vertical-align:top;padding:3px 10px 3px 0}"
                          ".msg{white-space:pre-wrap;font-family:monospace}</style>\n"
                          "</head><body>\n<h2>%1</h2>\n%2</body></html>\n")
        .arg(title.toHtmlEscaped(), body);
}

QString table(const QString& head1, const QString& head2, const Rows& rows)
{
    QString s = QStringLiteral("<table>\n<tr><th>%1</th><th>%2</th></tr>\n")
                    .arg(head1.toHtmlEscaped(), head2.toHtmlEscaped());
    for (const auto& [a, b] : rows)
        s += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(a.toHtmlEscaped(), b);
    return s + QStringLiteral("</table>\n");
}

QString para(const QString& text) { return QStringLiteral("<p>%1</p>\n").arg(text.toHtmlEscaped()); }

bool save(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit()) {
        *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

} // namespace

QString startErrorsPage()
{
    const Rows codes = {
        {QStringLiteral("0"), QStringLiteral("The system is out of memory or resources.")},
        {QStringLiteral("2"), QStringLiteral("The demo program's file was not found.")},
        {QStringLiteral("3"), QStringLiteral("The folder of the demo program was not found.")},
        {QStringLiteral("5"), QStringLiteral("Access to the demo program's file was denied.")},
        {QStringLiteral("8"), QStringLiteral("There was not enough memory to start the program.")},
        {QStringLiteral("11"), QStringLiteral("The program file is damaged or not a program of this system.")},
        {QStringLiteral("26"), QStringLiteral("The file is in use in a way that does not allow sharing.")},
        {QStringLiteral("27"), QStringLiteral("The file type's association with a program is incomplete.")},
        {QStringLiteral("28"), QStringLiteral("A request to the program timed out.")},
        {QStringLiteral("29"), QStringLiteral("A request to the program failed.")},
        {QStringLiteral("30"), QStringLiteral("The program was busy with other requests.")},
        {QStringLiteral("31"), QStringLiteral("No program is associated with this type of file.")},
        {QStringLiteral("32"), QStringLiteral("A library that the program needs was not found.")},
    };
    QString body;
    body += para(QStringLiteral(
        "The catalog starts each demo program from its folder under ZGDemos, beside the catalog program. "
        "When the start fails, a message box shows the code that came back. The codes mean:"));
    body += table(QStringLiteral("Code"), QStringLiteral("Meaning"), codes);
    body += para(QStringLiteral(
        "Any other code means the demo program was started. Not every catalog item comes with a demo "
        "program; choosing such an item reports that its file could not be found or started."));
    return page(QStringLiteral("Starting a demo program"), body);
}

QString controlErrorsPage()
{
    auto message = [](const QString& source, const QString& text, const QString& meaning) {
        return QStringLiteral("Source: %1<br><span class=\"msg\">%2</span><br>%3")
            .arg(source.toHtmlEscaped(), text.toHtmlEscaped(), meaning.toHtmlEscaped());
    };
    const Rows errors = {
        {QStringLiteral("30016"),
         message(QStringLiteral("ZSButton.zzzMouseIsOverObject"),
                 QStringLiteral("Object does not have an associated Window Handle (hWnd)."),
                 QStringLiteral("The object given to the button's zzzMouseIsOverObject has no window of its "
                                "own. Pass a form or a control that has a window handle."))},
        {QStringLiteral("30094"),
         message(QStringLiteral("ZSListBar.ImageListControl"),
                 QStringLiteral("ZSListBar.ImageListControl set to an invalid control name.  Must be set to a "
                                "valid ImageList control on the same form."),
                 QStringLiteral("No image list control of that name is on the list bar's form. The list bar "
                                "keeps the name it had; give the name of an image list control on the same "
                                "form."))},
    };
    QString body = para(QStringLiteral("The button and the list bar report misuse with these errors:"));
    body += table(QStringLiteral("Number"), QStringLiteral("Error"), errors);
    return page(QStringLiteral("Errors of the button and list bar controls"), body);
}

bool writeHelp(const QString& systemDir, QString* error)
{
    const QString helpDir = systemDir + QStringLiteral("/ZorvaneSG3.help");
    if (!QDir().mkpath(helpDir)) {
        *error = QStringLiteral("cannot create %1").arg(helpDir);
        return false;
    }
    return save(systemDir + QStringLiteral("/ZorvaneSG3.chm"), QByteArray(), error) &&
           save(helpDir + QStringLiteral("/1095.html"), startErrorsPage().toUtf8(), error) &&
           save(helpDir + QStringLiteral("/1000.html"), controlErrorsPage().toUtf8(), error);
}

} // namespace zgart
