#include "gui/app/DlgFile.h"

#include "core/app/FileFilterText.h"
#include "core/data/DataFileInfo.h"
#include "core/lang/CLanguage.h"
#include "gui/controls/QtText.h"
#include "gui/ui/Translator.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>

namespace tav::gui {
namespace {

/// The panel's mark at the right: the program's initials on a small plate, 78 x 19.
QPixmap PanelPicture(const QFont& font, qreal ratio) {
    const QSize size(78, 19);
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient plate(0, 0, 0, size.height());
    plate.setColorAt(0, QColor(0x2f, 0x5d, 0x8c));
    plate.setColorAt(1, QColor(0x1b, 0x3a, 0x5c));
    QPainterPath outline;
    outline.addRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 4, 4);
    painter.fillPath(outline, plate);
    // Three arcs: a radio's waves.
    painter.setPen(QPen(QColor(0xa8, 0xd0, 0xf0), 1.4));
    for (int i = 0; i < 3; ++i) {
        const qreal r = 3 + 3 * i;
        painter.drawArc(QRectF(10 - r, 9.5 - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
    }
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(12);
    painter.setFont(bold);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(24, 0, size.width() - 28, size.height()), Qt::AlignCenter, QStringLiteral("TAV"));
    return picture;
}

QStringList NameFilters(const CLanguage& language) {
    QStringList filters;
    for (const FileFilter& filter : ParseFileFilter(language.GetMessageText(CDlgFile::kFilterText))) {
        filters << ToQt(QtNameFilter(filter));
    }
    if (filters.isEmpty()) {
        filters << QStringLiteral("*.dat") << QStringLiteral("*");
    }
    return filters;
}

} // namespace

const DialogTemplate& CDlgFile::PanelTemplate() {
    static const DialogTemplate panel{kPanelId,
                                      {},
                                      {
                                          {kModelNameLabel, ControlKind::Label, "Model Name:", 0, 0},
                                          {kModelNameEdit, ControlKind::ReadOnlyEdit, {}, 0, 1},
                                          {kPicture, ControlKind::Picture, {}, 0, 2},
                                          {kRangeLabel, ControlKind::Label, "Frequency Range:", 1, 0},
                                          {kRangeEdit, ControlKind::ReadOnlyEdit, {}, 1, 1},
                                          {kFirmwareLabel, ControlKind::Label, "Firmware Version:", 2, 0},
                                          {kFirmwareEdit, ControlKind::ReadOnlyEdit, {}, 2, 1},
                                          {kCommentLabel, ControlKind::Label, "File Information:", 3, 0},
                                          {kCommentEdit, ControlKind::MultiLineEdit, {}, 4, 0, 1, 3},
                                      }};
    return panel;
}

CDlgFile::CDlgFile(Mode mode, const CLanguage& language, const QString& startPath, QWidget* parent)
    : QFileDialog(parent), mode_(mode) {
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::ReadOnly, false);
    setNameFilters(NameFilters(language));
    if (const std::string extension = language.GetMessageText(kDefaultExtensionText); !extension.empty()) {
        setDefaultSuffix(ToQt(extension));
    }
    if (mode == Mode::Open) {
        setAcceptMode(QFileDialog::AcceptOpen);
        setFileMode(QFileDialog::ExistingFile);
        setWindowTitle(QStringLiteral("Open"));
    } else {
        setAcceptMode(QFileDialog::AcceptSave);
        setFileMode(QFileDialog::AnyFile);
        setWindowTitle(QStringLiteral("Save As"));
    }
    BuildPanel();
    TranslateDialog(this, mode == Mode::Open ? kOpenCaption : kSaveCaption, language);
    const struct {
        QFileDialog::DialogLabel label;
        int id;
    } labels[] = {{QFileDialog::LookIn, kLookInText},
                  {QFileDialog::FileName, kFileNameText},
                  {QFileDialog::FileType, kFileTypeText},
                  {QFileDialog::Accept, mode == Mode::Open ? kOpenButtonText : kSaveButtonText},
                  {QFileDialog::Reject, kCancelButtonText}};
    for (const auto& label : labels) {
        if (const std::string text = language.GetControlText(label.id); !text.empty()) {
            setLabelText(label.label, ToQt(text));
        }
    }

    if (!startPath.isEmpty()) {
        const QFileInfo start(startPath);
        if (start.isDir()) {
            setDirectory(start.absoluteFilePath());
        } else {
            setDirectory(start.absolutePath());
            selectFile(start.fileName());
        }
    }
    if (mode == Mode::Open) {
        connect(this, &QFileDialog::currentChanged, this, &CDlgFile::ShowFileInfo);
        // A file selected without moving the cursor (by name, or programmatically) shows too.
        for (QAbstractItemView* view : findChildren<QAbstractItemView*>()) {
            if (view->selectionModel()) {
                connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                        [this] { ShowFileInfo(selectedFiles().value(0)); });
            }
        }
        // A name typed (or completed) in the file name box shows the file it names.
        if (auto* nameEdit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            connect(nameEdit, &QLineEdit::textChanged, this, [this](const QString& name) {
                ShowFileInfo(name.isEmpty() ? QString() : directory().absoluteFilePath(name));
            });
        }
    }
    resize(720, 560);
}

void CDlgFile::BuildPanel() {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    const int firstRow = grid ? grid->rowCount() : 0;
    QWidget* host = this;
    if (!grid) {
        // Without the standard layout (never expected) the panel goes below whatever is there.
        grid = new QGridLayout(host);
    }
    DialogTemplate panel = PanelTemplate();
    for (ControlSpec& decl : panel.controls) {
        decl.row += firstRow;
    }
    const ControlMap controls = BuildTemplate(panel, host, grid);
    modelName_ = qobject_cast<QLineEdit*>(controls.at(kModelNameEdit));
    range_ = qobject_cast<QLineEdit*>(controls.at(kRangeEdit));
    firmware_ = qobject_cast<QLineEdit*>(controls.at(kFirmwareEdit));
    comment_ = qobject_cast<QPlainTextEdit*>(controls.at(kCommentEdit));
    comment_->setReadOnly(mode_ == Mode::Open);
    comment_->setFixedHeight(comment_->fontMetrics().lineSpacing() * 4 + 12);
    comment_->setTabChangesFocus(true);

    auto* picture = qobject_cast<QLabel*>(controls.at(kPicture));
    picture->setPixmap(PanelPicture(font(), devicePixelRatioF()));
    picture->setFixedSize(78, 19);
    grid->setAlignment(picture, Qt::AlignLeft | Qt::AlignVCenter);
}

void CDlgFile::ShowHeader(const DataFileHeader& header) {
    const DataFileInfo info = DescribeHeader(header);
    modelName_->setText(ToQt(info.modelName));
    range_->setText(ToQt(info.rangeText));
    firmware_->setText(ToQt(info.firmware));
}

void CDlgFile::ShowFileInfo(const QString& path) {
    const DataFileInfo info = path.isEmpty() ? DataFileInfo{} : DescribeDataFile(path.toStdString());
    modelName_->setText(ToQt(info.modelName));
    range_->setText(ToQt(info.rangeText));
    firmware_->setText(ToQt(info.firmware));
    // Comments written on other systems may end their lines with CR LF.
    comment_->setPlainText(ToQt(info.comment).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString CDlgFile::Comment() const {
    return comment_->toPlainText();
}

QString CDlgFile::ChosenPath() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? QString() : files.front();
}

} // namespace tav::gui
