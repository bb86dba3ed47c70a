#include "scenarioeditor/ui/fileform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <algorithm>
#include <filesystem>

#include "forms/handlers.h"
#include "forms/naming.h"
#include "scenarioeditor/ui/pathtext.h"

namespace qrl::scenui {

namespace {

constexpr std::string_view RootFolder = "/";
constexpr const char* InitialCaption = "Open File";
constexpr const char* InitialMaskCaption = "*.dat";
constexpr const char* InitialNameText = "*.*";

constexpr int WindowWidth = 520, WindowHeight = 380;
constexpr int Margin = 8, ListTop = 56, ListHeight = 250, ListWidth = 245, ButtonWidth = 90, RowHeight = 24;


std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

// The folder above, by the text alone; the root stays the root.
std::string ParentFolder(const std::string& folder) {
  std::filesystem::path p(folder);
  p = p.lexically_normal();
  std::filesystem::path up = p.has_filename() ? p.parent_path() : p.parent_path().parent_path();
  return WithSlash(up.empty() ? std::string(RootFolder) : up.string());
}

std::vector<std::string> SubFolders(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return PathText(a).compare(PathText(b), Qt::CaseInsensitive) < 0;
  });
  return names;
}

QStringList VolumeRoots() {
  QStringList roots{QString::fromLatin1(RootFolder.data(), qsizetype(RootFolder.size()))};
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady()) continue;
    QString root = volume.rootPath();
    if (!root.endsWith(u'/')) root += u'/';
    if (!roots.contains(root)) roots << root;
  }
  return roots;
}

}  // namespace

TFileForm::TFileForm() : QDialog(nullptr), FormBase(this) {
  setWindowTitle(InitialCaption);
  forms::NameCaptionedControl(this, "FileForm");  // the caller sets the caption before each showing
  resize(WindowWidth, WindowHeight);

  DriveLetter = new QComboBox(this);
  forms::NameControl(DriveLetter, "DriveLetter");
  DriveLetter->addItems(VolumeRoots());
  DriveLetter->setGeometry(Margin, Margin, ListWidth, RowHeight);
  DirectoryLbl = new QLabel(this);
  DirectoryLbl->setObjectName("DirectoryLbl");
  DirectoryLbl->setGeometry(Margin, Margin + RowHeight + 2, WindowWidth - 2 * Margin, RowHeight);

  Directory = new QListWidget(this);
  forms::NameControl(Directory, "Directory");
  Directory->setGeometry(Margin, ListTop, ListWidth, ListHeight);
  FileList = new QListWidget(this);
  forms::NameControl(FileList, "FileList");
  FileList->setSelectionMode(QAbstractItemView::SingleSelection);
  FileList->setGeometry(2 * Margin + ListWidth, ListTop, ListWidth, ListHeight);

  const int bottom = ListTop + ListHeight + Margin;
  FileNameEdit = new QLineEdit(InitialNameText, this);
  forms::NameControl(FileNameEdit, "FileNameEdit");
  FileNameEdit->setGeometry(Margin, bottom, WindowWidth - 2 * Margin, RowHeight);
  const int buttonTop = bottom + RowHeight + Margin;
  MaskBtn = new QPushButton(InitialMaskCaption, this);
  forms::NameCaptionedControl(MaskBtn, "MaskBtn");  // relabelled at each activation and click
  MaskBtn->setGeometry(Margin, buttonTop, ButtonWidth, RowHeight);
  OKBtn = new QPushButton("OK", this);
  forms::NameControl(OKBtn, "OKBtn", OKBtn->text());
  OKBtn->setDefault(true);  // Return in the name field is "OK"
  OKBtn->setGeometry(WindowWidth - 2 * (ButtonWidth + Margin), buttonTop, ButtonWidth, RowHeight);
  CancelBtn = new QPushButton("Cancel", this);
  forms::NameControl(CancelBtn, "CancelBtn", CancelBtn->text());
  CancelBtn->setGeometry(WindowWidth - (ButtonWidth + Margin), buttonTop, ButtonWidth, RowHeight);

  forms::Connect(FileList, &QListWidget::currentRowChanged, this, [this] { FileListChange(); });
  forms::Connect(Directory, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) { DirectoryDoubleClick(item); });
  forms::Connect(DriveLetter, &QComboBox::activated, this, [this] { DriveLetterChange(); });
  forms::Connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(); });
  forms::Connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
  forms::Connect(MaskBtn, &QPushButton::clicked, this, [this] { MaskBtnClick(); });
}

void TFileForm::SetMask(std::string_view mask) {
  MaskButton.Mask = std::string(mask);
  ReReadFiles();
}

void TFileForm::SetFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(folder.empty() ? "." : folder, ec);
  ListedFolder = WithSlash(ec ? folder : absolute.lexically_normal().string());
  DirectoryLbl->setText(PathText(ListedFolder));
  ShowDriveOf(ListedFolder);
  ReReadFolders();
  ReReadFiles();
}

int TFileForm::ShowModal() {
  Chosen.clear();
  return exec();
}

void TFileForm::FormActivate() {
  MaskButton.Activate();
  MaskBtn->setText(QString::fromStdString(MaskButton.Caption));
  ReReadFiles();
}

void TFileForm::FileListChange() {
  // The name field follows the list: the selected item's text, or the mask
  // when nothing is selected.
  QListWidgetItem* item = FileList->currentItem();
  NameFromList = item ? item->text() : QString::fromStdString(MaskButton.Mask);
  FileNameEdit->setText(NameFromList);
}

void TFileForm::DriveLetterChange() { SetFolder(PathBytes(DriveLetter->currentText())); }

void TFileForm::DirectoryDoubleClick(QListWidgetItem* item) {
  const int row = item ? Directory->row(item) : -1;
  if (row < 0 || size_t(row) >= ListedFolders.size()) return;
  const std::string& name = ListedFolders[size_t(row)];
  SetFolder(name == ParentFolderItem ? ParentFolder(ListedFolder) : ListedFolder + name + "/");
}

void TFileForm::OKBtnClick() {
  std::optional<std::string> path;
  if (FileNameEdit->text() == NameFromList) {
    // The field shows what the list put there: the chosen item's real name,
    // whatever its annotation; with nothing chosen the window stays open.
    path = scen::ChosenPath(ListedFolder, ListedFiles, FileList->currentRow());
    if (!path) return;
  } else {
    // A typed name; the reader reports one that does not open.
    path = scen::TypedPath(ListedFolder, PathBytes(scen::CutTypedName(FileNameEdit->text())));
  }
  Chosen = *path;
  FileNameEdit->setText(PathText(Chosen));
  done(OkResult);
}

void TFileForm::CancelBtnClick() { done(CancelResult); }

void TFileForm::MaskBtnClick() {
  MaskButton.Click();
  MaskBtn->setText(QString::fromStdString(MaskButton.Caption));
  ReReadFiles();
}

void TFileForm::ReReadFiles() {
  ListedFiles = scen::ListFolder(ListedFolder, MaskButton.Mask);
  {
    QSignalBlocker quiet(FileList);
    FileList->clear();
    for (const scen::FileListItem& item : ListedFiles) FileList->addItem(item.Text);
  }
  FileListChange();
}

void TFileForm::ReReadFolders() {
  ListedFolders = SubFolders(ListedFolder);
  if (ListedFolder != RootFolder) ListedFolders.insert(ListedFolders.begin(), std::string(ParentFolderItem));
  Directory->clear();
  for (const std::string& name : ListedFolders) Directory->addItem(PathText(name));
}

void TFileForm::ShowDriveOf(const std::string& folder) {
  // The volume whose root is the longest start of the folder.
  const QString path = PathText(folder);
  int best = 0;
  for (int i = 0; i < DriveLetter->count(); ++i) {
    const QString root = DriveLetter->itemText(i);
    if (path.startsWith(root) && root.size() > DriveLetter->itemText(best).size()) best = i;
  }
  QSignalBlocker quiet(DriveLetter);
  DriveLetter->setCurrentIndex(best);
}

}  // namespace qrl::scenui
