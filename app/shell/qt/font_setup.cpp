#include "font_setup.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace orvana::qt {

namespace {

// Where Debian's package puts the face, and the folder relative to an
// installed program where a packager may put a copy.
const char* const kFaceFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                  "/usr/share/wine/fonts/tahomabd.ttf"};

QString resolveFamily() {
    QString family;
    for (const char* file : kFaceFiles) {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(file));
        if (id < 0 || !family.isEmpty()) continue;
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (!families.isEmpty()) family = families.first();
    }
    // Ask for the family and check what the toolkit really matched.
    if (!family.isEmpty()) {
        QFont probe(family);
        if (QFontInfo(probe).family() == family) return family;
    }
    return QStringLiteral("DejaVu Sans");
}

}  // namespace

QString programFamily() {
    static const QString family = resolveFamily();
    return family;
}

QFont programFont(const char16_t* face, int pixelHeight, int weight) {
    QString family = programFamily();
    if (face != nullptr) {
        const QString asked = QString::fromUtf16(face);
        if (!asked.isEmpty() && asked.compare(QStringLiteral("Tahoma"), Qt::CaseInsensitive) != 0)
            family = asked;
    }
    QFont font(family);
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 12);
    font.setWeight(weight >= 700 ? QFont::Bold : QFont::Normal);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace orvana::qt
