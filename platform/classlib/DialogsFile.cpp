// The file open and save dialogs: a form of the class library's own with the folder being shown,
// its sub-folders, its files that match the chosen filter, the filter list and the file name; the
// name chosen is checked against the dialog's options before the form closes.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "Dialogs.h"
#include "FileNames.h"
#include "Locale.h"
#include "StdCtrls.h"
#include "StringLists.h"
#include "Strings.h"
#include "WinUser.h"

namespace Dialogs {

namespace {

bool ChineseTexts() { return PRIMARYLANGID(LANGIDFROMLCID(GetUserDefaultLCID())) == LANG_CHINESE; }
String Text(const char* Chinese, const char* English) { return ChineseTexts() ? Chinese : English; }

struct TFilterItem {
  String Description;
  std::vector<String> Masks;
};

// "Text (*.txt)|*.txt|All (*.*)|*.*": description and mask list pairs; a description without masks
// matches everything.
std::vector<TFilterItem> ParseFilter(const String& Filter) {
  std::vector<String> parts;
  size_t start = 0;
  while (start <= Filter.size()) {
    size_t bar = Filter.find('|', start);
    if (bar == String::npos) bar = Filter.size();
    parts.push_back(Filter.substr(start, bar - start));
    start = bar + 1;
  }
  std::vector<TFilterItem> items;
  for (size_t i = 0; i < parts.size(); i += 2) {
    if (parts[i].empty() && (i + 1 >= parts.size() || parts[i + 1].empty())) continue;
    TFilterItem item{parts[i], {}};
    String masks = i + 1 < parts.size() ? parts[i + 1] : "*";
    size_t s = 0;
    while (s <= masks.size()) {
      size_t semi = masks.find(';', s);
      if (semi == String::npos) semi = masks.size();
      String m = Trim(masks.substr(s, semi - s));
      if (!m.empty()) item.Masks.push_back(m);
      s = semi + 1;
    }
    if (item.Masks.empty()) item.Masks.push_back("*");
    items.push_back(item);
  }
  if (items.empty()) items.push_back({"*.*", {"*"}});
  return items;
}

// Wildcards '*' and '?' over whole characters, without regard to ASCII case; "*.*" matches names
// without an extension too.
bool MatchesMask(const String& Name, const String& Mask) {
  if (Mask == "*.*" || Mask == "*") return true;
  std::u32string n, m;
  for (auto [s, out] : {std::pair{&Name, &n}, std::pair{&Mask, &m}}) {
    for (size_t i = 0; i < s->size();) {
      unsigned char c = static_cast<unsigned char>((*s)[i]);
      size_t len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
      char32_t v = 0;
      for (size_t k = 0; k < len && i + k < s->size(); ++k) v = (v << 8) | static_cast<unsigned char>((*s)[i + k]);
      if (v < 0x80) v = static_cast<char32_t>(std::tolower(static_cast<int>(v)));
      out->push_back(v);
      i += len;
    }
  }
  size_t ni = 0, mi = 0, star = std::u32string::npos, back = 0;
  while (ni < n.size()) {
    if (mi < m.size() && (m[mi] == U'?' || m[mi] == n[ni])) {
      ++ni;
      ++mi;
    } else if (mi < m.size() && m[mi] == U'*') {
      star = mi++;
      back = ni;
    } else if (star != std::u32string::npos) {
      mi = star + 1;
      ni = ++back;
    } else {
      return false;
    }
  }
  while (mi < m.size() && m[mi] == U'*') ++mi;
  return mi == m.size();
}

bool HasWildcards(const String& S) { return S.find_first_of("*?") != String::npos; }

String JoinPath(const String& Dir, const String& Name) {
  if (!Name.empty() && Name[0] == '/') return Name;
  return IncludeTrailingPathDelimiter(Dir) + Name;
}

}  // namespace

// ---- The dialog form --------------------------------------------------------------------------------
class TFileDialogForm : public TForm {
  DECLARE_CLASS(TFileDialogForm, TForm)
 public:
  TOpenDialog* Dialog = nullptr;
  String Directory;
  String ChosenFile;
  TEdit* PathEdit = nullptr;
  TListBox* FolderList = nullptr;
  TListBox* FileList = nullptr;
  TListBox* FilterList = nullptr;
  TEdit* NameEdit = nullptr;
  std::vector<TFilterItem> Filters;
  std::vector<String> CustomMasks;

  void Build();
  void ShowDirectory(const String& Dir);
  void FillFiles();
  bool Accept();

 private:
  void FolderDblClick(TObject*);
  void FileClick(TObject*);
  void FileDblClick(TObject*);
  void FilterClick(TObject*);
  void PathKeyPress(TObject*, char& Key);
  void FormCloseQuery(TObject*, bool& CanClose);
};
IMPLEMENT_CLASS(TFileDialogForm)

void TFileDialogForm::Build() {
  bool save = Dialog->IsSaveDialog();
  SetBorderStyle(bsDialog);
  SetPosition(poScreenCenter);
  SetCaption(!Dialog->GetTitle().empty() ? Dialog->GetTitle()
             : save                      ? Text("\xE5\x8F\xA6\xE5\xAD\x98\xE4\xB8\xBA", "Save As")
                                         : Text("\xE6\x89\x93\xE5\xBC\x80", "Open"));
  SetClientWidth(460);
  SetClientHeight(330);
  auto label = [this](const String& caption, Integer x, Integer y, Integer w) {
    auto* l = CreateComponent<TLabel>(this);
    l->SetCaption(caption);
    l->SetBounds(x, y + 3, w, 16);
    l->SetParent(this);
    return l;
  };
  auto list = [this](const char* name, Integer x, Integer y, Integer w, Integer h) {
    auto* l = CreateComponent<TListBox>(this);
    l->SetName(name);
    l->SetBounds(x, y, w, h);
    l->SetParent(this);
    l->SetTabStop(true);
    return l;
  };
  label(Text("\xE6\x9F\xA5\xE6\x89\xBE\xE8\x8C\x83\xE5\x9B\xB4:", "Look in:"), 8, 8, 80);
  PathEdit = CreateComponent<TEdit>(this);
  PathEdit->SetName("PathEdit");
  PathEdit->SetBounds(90, 8, 362, 21);
  PathEdit->SetParent(this);
  PathEdit->OnKeyPress = TKeyPressEvent(this, &TFileDialogForm::PathKeyPress);
  FolderList = list("FolderList", 8, 36, 150, 200);
  FolderList->OnDblClick = TNotifyEvent(this, &TFileDialogForm::FolderDblClick);
  FileList = list("FileList", 164, 36, 288, 200);
  FileList->OnClick = TNotifyEvent(this, &TFileDialogForm::FileClick);
  FileList->OnDblClick = TNotifyEvent(this, &TFileDialogForm::FileDblClick);
  label(Text("\xE6\x96\x87\xE4\xBB\xB6\xE5\x90\x8D:", "File name:"), 8, 244, 80);
  NameEdit = CreateComponent<TEdit>(this);
  NameEdit->SetName("NameEdit");
  NameEdit->SetBounds(90, 244, 280, 21);
  NameEdit->SetParent(this);
  label(Text("\xE6\x96\x87\xE4\xBB\xB6\xE7\xB1\xBB\xE5\x9E\x8B:", "Files of type:"), 8, 272, 80);
  FilterList = list("FilterList", 90, 272, 280, 50);
  FilterList->OnClick = TNotifyEvent(this, &TFileDialogForm::FilterClick);
  Filters = ParseFilter(Dialog->GetFilter());
  for (const TFilterItem& f : Filters) FilterList->GetItems()->Add(f.Description);
  Integer index = Dialog->GetFilterIndex();
  if (index < 1 || index > static_cast<Integer>(Filters.size())) index = 1;
  FilterList->SetItemIndex(index - 1);

  auto* ok = CreateComponent<TButton>(this);
  ok->SetName("OKButton");
  ok->SetCaption(save ? Text("\xE4\xBF\x9D\xE5\xAD\x98(&S)", "&Save") : Text("\xE6\x89\x93\xE5\xBC\x80(&O)", "&Open"));
  ok->SetDefault(true);
  ok->SetModalResult(mrOk);
  ok->SetBounds(377, 243, 75, 23);
  ok->SetParent(this);
  auto* cancel = CreateComponent<TButton>(this);
  cancel->SetName("CancelButton");
  cancel->SetCaption(Text("\xE5\x8F\x96\xE6\xB6\x88", "Cancel"));
  cancel->SetCancel(true);
  cancel->SetModalResult(mrCancel);
  cancel->SetBounds(377, 271, 75, 23);
  cancel->SetParent(this);
  OnCloseQuery = TCloseQueryEvent(this, &TFileDialogForm::FormCloseQuery);

  String file = Dialog->GetFileName();
  String dir = Dialog->GetInitialDir();
  if (dir.empty() && !ExtractFilePath(file).empty()) dir = ExtractFilePath(file);
  std::error_code ec;
  if (dir.empty() || !DirectoryExists(dir)) dir = std::filesystem::current_path(ec).string();
  NameEdit->SetText(ExtractFileName(file));
  ShowDirectory(dir);
  SetActiveControl(NameEdit);
}

void TFileDialogForm::ShowDirectory(const String& Dir) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::path(Dir), ec);
  Directory = ec ? Dir : p.string();
  PathEdit->SetText(Directory);
  std::vector<String> folders;
  for (std::filesystem::directory_iterator it(Directory, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code e2;
    if (it->is_directory(e2)) folders.push_back(it->path().filename().string());
  }
  std::sort(folders.begin(), folders.end());
  TStrings* items = FolderList->GetItems();
  items->BeginUpdate();
  items->Clear();
  if (Directory != "/") items->Add("..");
  for (const String& f : folders) items->Add(f);
  items->EndUpdate();
  FillFiles();
}

void TFileDialogForm::FillFiles() {
  std::vector<String> masks = CustomMasks;
  if (masks.empty()) {
    Integer index = std::max<Integer>(0, FilterList->GetItemIndex());
    if (index < static_cast<Integer>(Filters.size())) masks = Filters[static_cast<size_t>(index)].Masks;
  }
  std::vector<String> files;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(Directory, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code e2;
    if (it->is_directory(e2)) continue;
    String name = it->path().filename().string();
    if (std::any_of(masks.begin(), masks.end(), [&](const String& m) { return MatchesMask(name, m); }))
      files.push_back(name);
  }
  std::sort(files.begin(), files.end());
  TStrings* items = FileList->GetItems();
  items->BeginUpdate();
  items->Clear();
  for (const String& f : files) items->Add(f);
  items->EndUpdate();
}

// The name typed: a folder opens, a mask filters the list, anything else is the file, with the
// default extension when it has none; the options decide whether it may be taken.
bool TFileDialogForm::Accept() {
  String typed = Trim(NameEdit->GetText());
  if (typed.empty()) return false;
  String full = JoinPath(Directory, typed);
  if (DirectoryExists(full)) {
    NameEdit->SetText("");
    CustomMasks.clear();
    ShowDirectory(full);
    return false;
  }
  if (HasWildcards(typed)) {
    CustomMasks = {ExtractFileName(typed)};
    if (!ExtractFilePath(typed).empty() && DirectoryExists(JoinPath(Directory, ExtractFilePath(typed))))
      ShowDirectory(JoinPath(Directory, ExtractFilePath(typed)));
    else
      FillFiles();
    NameEdit->SetText("");
    return false;
  }
  TOpenOptions options = Dialog->GetOptions();
  options.Exclude(ofExtensionDifferent);
  String ext = Dialog->GetDefaultExt();
  if (ExtractFileExt(full).empty() && !ext.empty()) full += "." + ext;
  if (!ext.empty() && !SameText(ExtractFileExt(full), "." + ext)) options.Include(ofExtensionDifferent);
  bool exists = FileExists(full);
  String dir = ExtractFileDir(full);
  if ((options.Contains(ofPathMustExist) || options.Contains(ofFileMustExist)) && !DirectoryExists(dir)) {
    MessageDlg(full + "\n" + Text("\xE8\xB7\xAF\xE5\xBE\x84\xE4\xB8\x8D\xE5\xAD\x98\xE5\x9C\xA8\xE3\x80\x82", "The path does not exist."),
               mtWarning, {mbOK}, 0);
    return false;
  }
  if (options.Contains(ofFileMustExist) && !exists) {
    MessageDlg(full + "\n" +
                   Text("\xE6\x89\xBE\xE4\xB8\x8D\xE5\x88\xB0\xE6\x96\x87\xE4\xBB\xB6\xE3\x80\x82",
                        "File not found. Check the file name and try again."),
               mtWarning, {mbOK}, 0);
    return false;
  }
  if (options.Contains(ofOverwritePrompt) && exists &&
      MessageDlg(full + Text(" \xE5\xB7\xB2\xE5\xAD\x98\xE5\x9C\xA8\xE3\x80\x82\n\xE8\xA6\x81\xE6\x9B\xBF\xE6\x8D\xA2\xE5\xAE\x83\xE5\x90\x97?",
                             " already exists.\nDo you want to replace it?"),
                 mtWarning, {mbYes, mbNo}, 0) != mrYes)
    return false;
  if (options.Contains(ofCreatePrompt) && !exists &&
      MessageDlg(full + Text("\n\xE8\xAF\xA5\xE6\x96\x87\xE4\xBB\xB6\xE4\xB8\x8D\xE5\xAD\x98\xE5\x9C\xA8\xE3\x80\x82\xE8\xA6\x81\xE5\x88\x9B\xE5\xBB\xBA\xE8\xAF\xA5\xE6\x96\x87\xE4\xBB\xB6\xE5\x90\x97?",
                             "\nThis file does not exist.\nDo you want to create it?"),
                 mtConfirmation, {mbYes, mbNo}, 0) != mrYes)
    return false;
  ChosenFile = std::filesystem::path(full).lexically_normal().string();
  Dialog->SetOptions(options);
  Dialog->SetFilterIndex(std::max<Integer>(0, FilterList->GetItemIndex()) + 1);
  return true;
}

// A name refused stays in the edit, selected, so that typing replaces it.
void TFileDialogForm::FormCloseQuery(TObject*, bool& CanClose) {
  if (ModalResult != mrOk) return;
  CanClose = Accept();
  if (!CanClose && NameEdit->CanFocus()) {
    SetActiveControl(NameEdit);
    NameEdit->SelectAll();
  }
}

void TFileDialogForm::FolderDblClick(TObject*) {
  Integer i = FolderList->GetItemIndex();
  if (i < 0) return;
  String name = FolderList->GetItems()->GetStrings(i);
  ShowDirectory(name == ".." ? ExtractFileDir(Directory) : JoinPath(Directory, name));
}

void TFileDialogForm::FileClick(TObject*) {
  Integer i = FileList->GetItemIndex();
  if (i >= 0) NameEdit->SetText(FileList->GetItems()->GetStrings(i));
}

void TFileDialogForm::FileDblClick(TObject*) {
  FileClick(nullptr);
  ModalResult = mrOk;
}

void TFileDialogForm::FilterClick(TObject*) {
  CustomMasks.clear();
  FillFiles();
}

// Enter in the folder edit opens the folder typed there.
void TFileDialogForm::PathKeyPress(TObject*, char& Key) {
  if (Key != '\r') return;
  Key = 0;
  String dir = Trim(PathEdit->GetText());
  if (DirectoryExists(dir)) ShowDirectory(dir);
  else PathEdit->SetText(Directory);
}

// ---- TCommonDialog, TOpenDialog ---------------------------------------------------------------------
IMPLEMENT_ABSTRACT_CLASS(TCommonDialog)

void TCommonDialog::DoShow() {
  if (OnShow) OnShow(this);
}

void TCommonDialog::DoClose() {
  if (OnClose) OnClose(this);
}

IMPLEMENT_CLASS_PUBLISHED(TOpenDialog) {
  d.Property("DefaultExt", &TOpenDialog::GetDefaultExt, &TOpenDialog::SetDefaultExt);
  d.Property("FileName", &TOpenDialog::GetFileName, &TOpenDialog::SetFileName);
  d.Property("Filter", &TOpenDialog::GetFilter, &TOpenDialog::SetFilter);
  d.Property("FilterIndex", &TOpenDialog::GetFilterIndex, &TOpenDialog::SetFilterIndex).Default(1);
  d.Property("InitialDir", &TOpenDialog::GetInitialDir, &TOpenDialog::SetInitialDir);
  d.Property("Options", &TOpenDialog::GetOptions, &TOpenDialog::SetOptions)
      .Default(TOpenOptions{ofHideReadOnly, ofEnableSizing});
  d.Property("Title", &TOpenDialog::GetTitle, &TOpenDialog::SetTitle);
}
IMPLEMENT_CLASS(TSaveDialog)

void TOpenDialog::Construct() {
  inherited::Construct();
  FFiles = New<TStringList>();
}

void TOpenDialog::Destroy() {
  FreeAndNil(FFiles);
  inherited::Destroy();
}

// Stored without the dot, as the extension is added after one.
void TOpenDialog::SetDefaultExt(const String& Value) {
  FDefaultExt = !Value.empty() && Value[0] == '.' ? Value.substr(1) : Value;
}

bool TOpenDialog::Execute() {
  auto* form = TCustomForm::CreateNew<TFileDialogForm>(nullptr);
  bool chosen = false;
  try {
    form->Dialog = this;
    form->Build();
    DoShow();
    chosen = form->ShowModal() == mrOk && !form->ChosenFile.empty();
    DoClose();
    if (chosen) {
      FFileName = form->ChosenFile;
      FFiles->Clear();
      FFiles->Add(FFileName);
    }
  } catch (...) {
    form->Free();
    throw;
  }
  form->Free();
  return chosen;
}

}  // namespace Dialogs
