// Builds the user manual "tavhelp.pdf" from its Markdown chapters, each chapter from a new
// page. Runs at build time without a display (QT_QPA_PLATFORM=offscreen).
//
//   build_manual OUT.pdf CHAPTER.md [CHAPTER.md...]
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>
#include <cstdio>

namespace {

bool ReadChapter(const QString& path, QString& markdown) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "build_manual: cannot read %s\n", qPrintable(path));
        return false;
    }
    if (!markdown.isEmpty()) markdown += QStringLiteral("\n\n");
    markdown += QString::fromUtf8(file.readAll());
    return true;
}

// Every chapter after the first opens on a new page.
void BreakBeforeChapters(QTextDocument& document) {
    bool first = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() != 1) continue;
        if (!first) {
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
        first = false;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "Usage: build_manual OUT.pdf CHAPTER.md [CHAPTER.md...]\n");
        return 2;
    }
    QString markdown;
    for (qsizetype i = 2; i < args.size(); ++i)
        if (!ReadChapter(args[i], markdown)) return 1;

    QTextDocument document;
    // Pictures are named relative to the first chapter's folder.
    document.setBaseUrl(QUrl::fromLocalFile(QFileInfo(args[2]).absolutePath() + QLatin1Char('/')));
    QFont body(QStringLiteral("DejaVu Sans"));
    body.setStyleHint(QFont::SansSerif);
    body.setPointSizeF(9.5);
    document.setDefaultFont(body);
    document.setMarkdown(markdown);
    BreakBeforeChapters(document);

    // Written beside the target and renamed over it, so a failed build leaves no half manual.
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "build_manual: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    {
        QPdfWriter pdf(&out);
        pdf.setTitle(QStringLiteral("JointWright user manual"));
        pdf.setCreator(QStringLiteral("JointWright"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(18, 18, 18, 18), QPageLayout::Millimeter));
        document.print(&pdf);
    }
    if (!out.commit()) {
        std::fprintf(stderr, "build_manual: cannot write %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
