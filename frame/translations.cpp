// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/translations.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>

namespace frame {

namespace {

// The catalogues are compiled in under this folder, one "arcade_<language>.qm" per language.
constexpr char kCatalogueFolder[] = ":/i18n";

QString MessagesLocale() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty()) return value;
    }
    return QString();
}

bool IsSourceLanguage(const QString& language) {
    return language == u"en" || language.startsWith(u"en_") || language == u"C" || language == u"POSIX" ||
           language.startsWith(u"C.");
}

}  // namespace

QStringList DesktopLanguages() {
    const QString messages = MessagesLocale();
    const QString base = messages.section(u'.', 0, 0).section(u'@', 0, 0);
    if (base.isEmpty() || base == u"C" || base == u"POSIX") return {};
    QStringList languages;
    for (const QString& entry : qEnvironmentVariable("LANGUAGE").split(u':', Qt::SkipEmptyParts))
        languages << entry.section(u'.', 0, 0).section(u'@', 0, 0);
    languages << base;
    return languages;
}

QString LoadCatalogue(QTranslator& translator, const QStringList& languages) {
    for (const QString& language : languages) {
        if (IsSourceLanguage(language)) return QString();
        // load() also tries the name without its country: "arcade_de_AT" finds "arcade_de".
        if (translator.load(QStringLiteral("arcade_") + language, QLatin1String(kCatalogueFolder)))
            return translator.language().isEmpty() ? language : translator.language();
    }
    return QString();
}

void InstallTranslations(QCoreApplication& app) {
    auto* games = new QTranslator(&app);
    const QString language = LoadCatalogue(*games, DesktopLanguages());
    if (language.isEmpty()) {
        delete games;
        return;
    }
    QCoreApplication::installTranslator(games);
    // Qt's own texts (the Yes and No of a question) in the same language, when Debian's
    // qt6-translations-l10n is installed.
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}

}  // namespace frame

namespace frame {

void FitText(QLabel* label, int parentWidth) {
    const auto needed = [label] {
        return QFontMetrics(label->font()).size(Qt::TextShowMnemonic, label->text()).width() +
               2 * label->margin();
    };
    int missing = needed() - label->contentsRect().width();
    if (missing <= 0) return;
    QRect r = label->geometry();
    const Qt::Alignment h = label->alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignRight) {
        r.setLeft(std::max(0, r.left() - missing));
    } else if (h & Qt::AlignLeft) {
        r.setRight(std::min(parentWidth - 1, r.right() + missing));
    } else {
        r.setLeft(std::max(0, r.left() - (missing + 1) / 2));
        r.setRight(std::min(parentWidth - 1, r.right() + (missing + 1) / 2));
        if (r.width() < needed()) r = QRect(0, r.top(), std::min(parentWidth, needed()), r.height());
    }
    label->setGeometry(r);
    QFont font = label->font();
    while (needed() > label->contentsRect().width()) {
        if (font.pixelSize() > 0) {
            if (font.pixelSize() <= 9) break;
            font.setPixelSize(font.pixelSize() - 1);
        } else {
            if (font.pointSizeF() <= 7) break;
            font.setPointSizeF(std::max(7.0, font.pointSizeF() - 0.5));
        }
        label->setFont(font);
    }
}

}  // namespace frame
