// PDF sheets read back by pdftotext: the command line's against exact arithmetic, the dialog's.

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <map>

#include "tests/qt/window_fixture.hpp"
#include "tests/support/exact.hpp"
#include "ui/lesson/worksheet.hpp"
#include "ui/qt/worksheet_dialog.hpp"

namespace drobi {
namespace {

// The program with neither a display nor a platform chosen, in Bulgarian; -1 if it did not end.
int Drobi(const QStringList& arguments, QString& errors) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("bg_BG.UTF-8"));
  QProcess program;
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(DROBI_PROGRAM), arguments);
  if (!program.waitForFinished(60000) || program.exitStatus() != QProcess::NormalExit) return -1;
  errors = QString::fromLocal8Bit(program.readAllStandardError());
  return program.exitCode();
}

// The pages as pdftotext reads them in `mode`, whitespace runs made one blank.
QStringList PdfPages(const QString& file, const char* mode) {
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QString::fromLatin1(mode), file, QStringLiteral("-")});
  reader.waitForFinished(60000);
  QStringList pages = QString::fromUtf8(reader.readAllStandardOutput()).split(u'\f');
  pages.removeLast();  // after the last form feed
  for (QString& page : pages) page = page.simplified();
  return pages;
}

// The key's exact value: a period past 60 digits is cut there with «…».
std::string KeyValue(long long p, long long q) {
  const std::string text = testing::ExactNotation(p, q, ",");
  const std::size_t comma = text.find(',');  // 60 digits and «(» take the 61 places after it
  return comma != std::string::npos && text.size() > comma + 63 ? text.substr(0, comma + 62) + "…)"
                                                                : text;
}

// Variant after variant: its task page, whose three tasks list the same sixteen fractions drawn
// at `interval`, then its key's pages, the first with the key's title, a line for each fraction.
void ExpectSheets(const QStringList& pages, int variants, int interval, int digits) {
  const QRegularExpression task(QStringLiteral("(\\d+)\\) (-?\\d+)/(\\d+)"));
  int variant = 0;
  for (qsizetype at = 0; at < pages.size(); ++variant) {
    const QString number = QString::number(variant + 1) + u' ';
    ASSERT_TRUE(pages[at].startsWith(QStringLiteral("Работен лист · Вариант ") + number)) << at;
    std::map<int, std::pair<long long, long long>> fractions;
    for (const auto& match : task.globalMatch(pages[at++])) {
      const std::pair fraction{match.captured(2).toLongLong(), match.captured(3).toLongLong()};
      EXPECT_EQ(fractions.emplace(match.captured(1).toInt(), fraction).first->second, fraction);
      EXPECT_TRUE(std::llabs(fraction.first) < interval && fraction.second <= 4 * interval - 3);
    }
    ASSERT_EQ(fractions.size(), 16u);
    ASSERT_LT(at, pages.size());
    EXPECT_TRUE(pages[at].startsWith(QStringLiteral("Отговори · Вариант ") + number));
    QString key;
    for (; at < pages.size() && !pages[at].startsWith(u"Работен лист"); ++at)
      key += pages[at] + u' ';
    for (const auto& [n, fraction] : fractions) {
      const auto [p, q] = fraction;
      const std::string over = std::to_string(p) + "/" + std::to_string(q), exact = KeyValue(p, q);
      const char* kind = p % q == 0                             ? "цяло число"
                         : exact.find('(') == std::string::npos ? "крайна"
                                                                : "безкрайна периодична";
      const std::string line = std::to_string(n) + ") " + over + " ≈ " +
                               testing::ExactRounded(p, q, digits, ",") + "; " + over + " = " +
                               exact + "; " + kind;
      EXPECT_TRUE(key.contains(QString::fromStdString(line))) << line;
    }
  }
  EXPECT_EQ(variant, variants);
}

TEST(WorksheetPdf, CommandLineSheetsAndExitStatuses) {
  const struct {  // the file in a folder that holds only «папка»; what the sheets are if written
    const char *name, *file, *options;
    int status, variants = 0, interval = 0, digits = 0;
  } cases[] = {
      {"the defaults", "лист.pdf", "", 0, 1, 20, 4},
      {"three at 100", "a.pdf", "--variants 3 --interval 100 --digits 2", 0, 3, 100, 2},
      {"two at 10, whole", "a.pdf", "--digits 0 --variants 2 --interval 10", 0, 2, 10, 0},
      {"too many variants", "лист.pdf", "--variants 41", 2},
      {"an unknown option", "лист.pdf", "--pages 2", 2},
      {"no value", "лист.pdf", "--digits", 2},
      {"a missing folder", "няма/лист.pdf", "", 1},
      {"a folder under the name", "папка", "", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("папка")));
    const QString file = folder.filePath(QString::fromUtf8(c.file));
    const QStringList arguments = QStringList{QStringLiteral("--worksheet"), file} +
                                  QString::fromUtf8(c.options).split(u' ', Qt::SkipEmptyParts);
    QString errors;
    EXPECT_EQ(Drobi(arguments, errors), c.status) << errors.toStdString();
    QStringList left = QDir(folder.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    if (c.status == 0) {
      ExpectSheets(PdfPages(file, "-layout"), c.variants, c.interval, c.digits);
      left.removeOne(QString::fromUtf8(c.file));
    } else if (c.status == 2) {
      std::vector<std::string> read;
      for (const QString& argument : arguments) read.push_back(argument.toStdString());
      EXPECT_EQ(errors.toStdString(),
                "drobi: " + std::get<std::string>(ReadWorksheetCommand(read)) + "\n");
    } else {  // the last line is ours, whatever Qt said before it
      EXPECT_TRUE(errors.section(u'\n', -2).startsWith(u"drobi: ") && errors.contains(file))
          << errors.toStdString();
    }
    EXPECT_EQ(left, QStringList{QStringLiteral("папка")}) << "nothing else left";
  }
}

class WorksheetDialogTest : public gui_testing::WindowTest {};

TEST_F(WorksheetDialogTest, SavesTheFormsTableAsTheListSaysAndTellsAFailure) {
  Load();
  ClickRow("Spis(4)", 2);  // «2» digits
  window_->Choose(CommandId::kWorksheet);
  WorksheetDialog* dialog = window_->Worksheet();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Digits()->value(), 2);
  dialog->Divisions()->setChecked(true);
  const QTemporaryDir folder;
  const QString file = folder.filePath(QStringLiteral("лист.pdf"));
  ASSERT_TRUE(dialog->SaveTo(file));
  TableTexts table;
  for (const auto& [p, q] : testing::kStartTable)
    table.emplace_back(std::to_string(p), std::to_string(q));
  const SheetDocument sheets = WorksheetPages({table}, {1, 2, true}, form_->Style());
  QStringList pages = QString::fromStdString(PageText(sheets)).split(u'\f');
  for (QString& page : pages) page = page.simplified();
  EXPECT_EQ(PdfPages(file, "-raw"), pages);
  // Printed, the same sheets: the variants stay while the dialog is open.
  QPrinter printer;
  printer.setOutputFileName(folder.filePath(QStringLiteral("печат.pdf")));
  ASSERT_TRUE(dialog->PrintOn(printer));
  EXPECT_EQ(PdfPages(printer.outputFileName(), "-raw"), pages);
  EXPECT_FALSE(dialog->SaveTo(folder.filePath(QStringLiteral("няма/лист.pdf"))));
  EXPECT_TRUE(dialog->Message()->isVisible() && dialog->Message()->text().contains(u"няма"));
}

}  // namespace
}  // namespace drobi
