#include "widgets/japanesefont.h"

#include <QStringList>

QFont JapaneseFont::withFace(const QString& face)
{
    QFont font;
    font.setFamilies(QStringList{face, QStringLiteral("ＭＳ Ｐゴシック"),
                                 QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                 QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic"),
                                 QStringLiteral("IPAGothic")});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QFont JapaneseFont::desktop()
{
    QFont font = withFace(QStringLiteral("MS UI Gothic"));
    font.setPixelSize(12);
    return font;
}
