// Stand-ins for the utility library's number and string classes, so the
// model's tests never depend on the real library.
#pragma once
#include "Error.h"
#include "Library.h"
#include "ZorvaneNumbers.h"
#include "ZorvaneStrings.h"

#include <QStringList>
#include <deque>
#include <memory>

namespace listbar::testing {

// Identifiers from a script first, then "ID" and eight counting digits.
// With `failing` set every draw raises the library's error 429.
class FakeNumbers : public zg::ZorvaneNumbers {
public:
    QString GenerateRandomID(int16_t Count, const plat::Variant& NumberSystem) override
    {
        ++draws;
        lastCount = Count;
        lastNumberSystemOmitted = NumberSystem.isEmpty() || NumberSystem.isMissing();
        if (failing)
            plat::raise(429, QStringLiteral("ZorvaneNumbers"), QStringLiteral("Can't create object"));
        if (!script.empty()) {
            QString id = script.front();
            script.pop_front();
            return id;
        }
        return QStringLiteral("ID%1").arg(++counter, 8, 10, QLatin1Char('0'));
    }

    std::deque<QString> script;
    bool failing = false;
    int draws = 0;
    int counter = 0;
    int16_t lastCount = 0;
    bool lastNumberSystemOmitted = false;
};

// The searches and cuts the model uses, written plainly; the members that
// draw are not used by the model.
class FakeStrings : public zg::ZorvaneStrings {
public:
    int32_t InStrReverse(const QString& Text, const QString& Find, int32_t Start) override
    {
        if (Find.isEmpty() || Start == 0)
            return 0;
        const qsizetype from = Start < 0 ? -1 : qsizetype(Start) - 1;
        return int32_t(Text.lastIndexOf(Find, from)) + 1;
    }
    QString TextAfter(const QString& Text, int32_t Count) override { return Count <= 0 ? Text : Text.mid(Count); }
    QString LeftOf(const QString& Text, int32_t Count) override { return Count <= 0 ? QString() : Text.left(Count); }
    int32_t CountOccurrences(const QString& Text, const QStringList& Find) override
    {
        int32_t n = 0;
        for (const auto& f : Find)
            if (!f.isEmpty())
                n += int32_t(Text.count(f));
        return n;
    }
    QString RemoveChars(const QString& Text, int32_t Start, int32_t Count) override
    {
        QString t = Text;
        if (Start >= 1 && Count > 0)
            t.remove(Start - 1, Count);
        return t;
    }
    QString SplitAtDelimiter(const QString& Text, const QString& Delimiter, int32_t Part) override
    {
        const qsizetype at = Text.indexOf(Delimiter);
        if (Part == 1)
            return at < 0 ? Text : Text.left(at);
        return at < 0 ? QString() : Text.mid(at + Delimiter.size());
    }
    int32_t InStrExcluding(const QString&, const QString&, const QStringList&, int32_t) override { return 0; }
    QString PadToWidth(const plat::Variant&, int16_t) override { return {}; }
    QString NewLine(int16_t) override { return QStringLiteral("\r\n"); }
    QString LineBreaks(int16_t) override { return QStringLiteral("\r\n"); }
    void DrawTextOnCanvas(std::shared_ptr<zg::ZorvaneGhostCanvas>&, const QString&, float, float, float, float,
                          int32_t, bool, bool) override
    {
    }
    void DrawTextOnCanvasEx(std::shared_ptr<zg::ZorvaneGhostCanvas>&, const QString&, float, float, float&, float&,
                            int32_t, bool, bool) override
    {
    }
    void DrawTextAligned(std::shared_ptr<zg::ZorvaneGhostCanvas>&, const QString&, float, float, float, float,
                         int32_t, bool, bool, bool, int32_t, int32_t) override
    {
    }
};

// Installs fresh fakes for one test and forgets them afterwards.
struct FakeLibrary {
    FakeLibrary()
    {
        zg::installShared<zg::ZorvaneNumbers>(numbers);
        zg::installShared<zg::ZorvaneStrings>(strings);
    }
    ~FakeLibrary() { zg::resetForTests(); }

    std::shared_ptr<FakeNumbers> numbers = std::make_shared<FakeNumbers>();
    std::shared_ptr<FakeStrings> strings = std::make_shared<FakeStrings>();
};

} // namespace listbar::testing
