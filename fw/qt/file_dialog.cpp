// The toolkit's file dialog behind CFileDialog.
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QIcon>
#include <QIdentityProxyModel>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

#include "fw/desktop.h"
#include "fw/file_dialog.h"
#include "fw/qt/backend.h"

namespace fw::detail {
namespace {

// "*.txt;*.text" as the toolkit's list. "*.*" means every file, also one
// whose name has no full stop.
QStringList Patterns(const CString& pattern) {
    QStringList patterns;
    for (const QString& each : ToQt(pattern.View()).split(u';', Qt::SkipEmptyParts)) {
        const QString trimmed = each.trimmed();
        patterns << (trimmed == QStringLiteral("*.*") ? QStringLiteral("*") : trimmed);
    }
    return patterns;
}

QString WithoutLeadingStops(QString extension) {
    while (extension.startsWith(u'.')) extension.remove(0, 1);
    return extension;
}

// The list of files takes the toolkit's header, less its picture: the
// toolkit makes a new one each time the header is drawn, and each is kept in
// its cache of pictures, about 1.5 KB an opening of the dialog. One picture
// of the same size, made once, takes its place.
class SameHeaderPicture : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        const QVariant data = QIdentityProxyModel::headerData(section, orientation, role);
        if (role != Qt::DecorationRole || data.isNull()) return data;
        static const QIcon picture = [] {
            QPixmap blank(16, 1);
            blank.fill(Qt::transparent);
            return QIcon(blank);
        }();
        return picture;
    }
};

}  // namespace

INT_PTR FileDialog(HWND owner, FileDialogRequest& request) {
    UseToolkitTranslations();
    QFileDialog dialog(OwnerWidget(owner));
    dialog.setProxyModel(new SameHeaderPicture(&dialog));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, (request.flags & OFN_OVERWRITEPROMPT) == 0);
    dialog.setDefaultSuffix(WithoutLeadingStops(ToQt(request.defaultExtension.View())));

    QStringList names;
    QList<QStringList> patterns;
    for (const FileDialogRequest::Filter& filter : request.filters) {
        names << ToQt(filter.description.View());
        patterns << Patterns(filter.pattern);
    }
    if (!names.isEmpty()) {
        dialog.setNameFilters(names);
        const int index = std::clamp(request.filterIndex, 1, static_cast<int>(names.size())) - 1;
        dialog.selectNameFilter(names[index]);
    }
    if (!request.fileName.IsEmpty()) dialog.selectFile(ToQt(request.fileName.View()));

    // The dialog takes the patterns from the descriptions; ours replace them
    // in its list of files, which exists once the dialog is up.
    const auto usePatterns = [&dialog, &names, &patterns](const QString& name) {
        auto* files = dialog.findChild<QFileSystemModel*>();
        const auto index = names.indexOf(name);
        if (files != nullptr && index >= 0) files->setNameFilters(patterns[index]);
    };
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, usePatterns);
    QTimer::singleShot(0, &dialog, [&dialog, usePatterns] { usePatterns(dialog.selectedNameFilter()); });

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return IDCANCEL;
    // The program sees the path in its own characters; the file system gets
    // it as chosen.
    const QString chosen = dialog.selectedFiles().constFirst();
    request.fileName = WithNativeSpelling(FromQt(chosen), QFile::encodeName(chosen).toStdString());
    request.filterIndex = static_cast<int>(names.indexOf(dialog.selectedNameFilter())) + 1;
    return IDOK;
}

}  // namespace fw::detail
