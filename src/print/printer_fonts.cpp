#include "print/printer_fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QStringList>
#include <algorithm>

namespace jw::print {
namespace {

// Faces drawn to the same widths as the ones the sheet names, best first.
const QStringList& SansTwins() {
    static const QStringList twins = {
        QStringLiteral("Microsoft Sans Serif"),
        QStringLiteral("Arial"),
        QStringLiteral("Liberation Sans"),
        QStringLiteral("Arimo"),
        QStringLiteral("Helvetica"),
        QStringLiteral("Nimbus Sans"),
        QStringLiteral("Nimbus Sans L"),
        QStringLiteral("FreeSans"),
    };
    return twins;
}

const QStringList& FixedTwins() {
    static const QStringList twins = {
        QStringLiteral("Courier New"),   QStringLiteral("Liberation Mono"),
        QStringLiteral("Cousine"),       QStringLiteral("Nimbus Mono PS"),
        QStringLiteral("Nimbus Mono L"), QStringLiteral("FreeMono"),
    };
    return twins;
}

// The lower-case alphabet and the ten digits, the bulk of the sheet's texts, are 18.286 em
// wide in Arial and its twins, and 21.6 em (36 characters of 0.6 em) in Courier New.
const QString kWidthSample = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789");
constexpr double kSansSampleEm = 18.286;
constexpr double kFixedSampleEm = 21.6;
// Narrower than this a face becomes hard to read; a face that still runs wide is kept as it is.
constexpr int kNarrowestStretch = 75;

// Measured in the regular weight, so a face is narrowed alike whatever weight it was set in.
double SampleWidthEm(QFont font) {
    constexpr int kEmPixels = 1000;
    font.setPixelSize(kEmPixels);
    font.setStretch(QFont::Unstretched);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return QFontMetricsF(font).horizontalAdvance(kWidthSample) / kEmPixels;
}

QString FirstInstalled(const QStringList& families) {
    for (const QString& family : families)
        if (QFontDatabase::hasFamily(family)) return family;
    return {};
}

}  // namespace

bool IsFixedPitchName(const QString& name) {
    return name.contains(QStringLiteral("Courier"), Qt::CaseInsensitive) ||
           name.contains(QStringLiteral("Mono"), Qt::CaseInsensitive);
}

namespace {

// The face and stretch that stand in for a requested name. Asking the font database is slow
// (each question goes to the system's font configuration), and the installed faces do not
// change while the program runs, so each name is asked about once.
struct NearestFace {
    QString family;
    int stretch = QFont::Unstretched;
};

NearestFace FindNearestFace(const QString& requested, bool fixed) {
    QString family = QFontDatabase::hasFamily(requested)
                         ? requested
                         : FirstInstalled(fixed ? FixedTwins() : SansTwins());
    if (!family.isEmpty()) return {family, QFont::Unstretched};
    QFont font(
        QFontDatabase::systemFont(fixed ? QFontDatabase::FixedFont : QFontDatabase::GeneralFont));
    font.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixed);
    font.setStyleStrategy(QFont::PreferNoShaping);
    const double width = SampleWidthEm(font);
    const double wanted = fixed ? kFixedSampleEm : kSansSampleEm;
    const int stretch = width > wanted
                            ? std::max(kNarrowestStretch, static_cast<int>(100 * wanted / width))
                            : QFont::Unstretched;
    return {font.family(), stretch};
}

}  // namespace

void UseNearestFamily(QFont& font, const QString& requested) {
    const bool fixed = IsFixedPitchName(requested);
    font.setStyleHint(fixed ? QFont::TypeWriter : QFont::SansSerif);
    font.setFixedPitch(fixed);
    // No ligatures: a PDF reader's search for "Configuration" must find the word.
    font.setStyleStrategy(QFont::PreferNoShaping);
    static QHash<QString, NearestFace> known;
    auto face = known.find(requested);
    if (face == known.end()) face = known.insert(requested, FindNearestFace(requested, fixed));
    font.setFamily(face->family);
    font.setStretch(face->stretch);
}

}  // namespace jw::print
