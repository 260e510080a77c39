// Shows a sample TrellMenu popup in the look of the running system (flat
// with the XP look, classic otherwise) and saves a picture of it:
//
//   gallery_menu.exe OUTPUT.bmp
//
// The sample holds plain items, items with pictures, checked and radio items
// with and without pictures, disabled items with and without a picture,
// separators, accelerators after a tab, and one selected item.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "GalleryPictures.h"
#include "PopupSnapshotOwner.h"
#include "controls/menu/MenuLookFacts.h"
#include "controls/menu/TrellMenu.h"
#include "framework/CImageList.h"

namespace {

enum Command : UINT {
  CmdNew = 100,
  CmdOpen,
  CmdSave,
  CmdCut,
  CmdPaste,
  CmdWordWrap,
  CmdStatusBar,
  CmdLargeIcons,
  CmdThumbnails,
  CmdExit,
};

// Marks an item as a radio item the way the menu tells them apart: the item
// has check-mark bitmaps of its own.
void MakeRadio(HMENU menu, UINT command, HBITMAP mark) {
  SetMenuItemBitmaps(menu, command, MF_BYCOMMAND, mark, mark);
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : "menu.bmp";

  TrellMenu menu;
  menu.CreatePopupMenu();
  std::unique_ptr<CImageList> pictures(
      GalleryPictures::Make(menu.m_imageWidth, menu.m_imageHeight));
  menu.AddSharedImage(pictures.get(), GalleryPictures::New, CmdNew);
  menu.AddSharedImage(pictures.get(), GalleryPictures::Open, CmdOpen);
  menu.AddSharedImage(pictures.get(), GalleryPictures::Save, CmdSave);
  menu.AddSharedImage(pictures.get(), GalleryPictures::Cut, CmdCut);
  menu.AddSharedImage(pictures.get(), GalleryPictures::StatusBar, CmdStatusBar);
  menu.AddSharedImage(pictures.get(), GalleryPictures::Thumbnails, CmdThumbnails);

  menu.AppendMenu(L"&New\tCtrl+N", MF_STRING, CmdNew);
  menu.AppendMenu(L"&Open...\tCtrl+O", MF_STRING, CmdOpen);
  menu.AppendMenu(L"&Save\tCtrl+S", MF_STRING, CmdSave);
  menu.AppendMenu(nullptr, MF_STRING, 0);
  menu.AppendMenu(L"Cu&t\tCtrl+X", MF_STRING | MF_GRAYED, CmdCut);
  menu.AppendMenu(L"&Paste\tCtrl+V", MF_STRING | MF_GRAYED, CmdPaste);
  menu.AppendMenu(nullptr, MF_STRING, 0);
  menu.AppendMenu(L"&Word wrap", MF_STRING | MF_CHECKED, CmdWordWrap);
  menu.AppendMenu(L"Status &bar", MF_STRING | MF_CHECKED, CmdStatusBar);
  menu.AppendMenu(nullptr, MF_STRING, 0);
  menu.AppendMenu(L"&Large icons", MF_STRING | MF_CHECKED, CmdLargeIcons);
  menu.AppendMenu(L"T&humbnails", MF_STRING, CmdThumbnails);
  menu.AppendMenu(nullptr, MF_STRING, 0);
  menu.AppendMenu(L"E&xit\tAlt+F4", MF_STRING, CmdExit);
  HBITMAP radioMark = CreateBitmap(13, 13, 1, 1, nullptr);
  MakeRadio(menu.m_hMenu, CmdLargeIcons, radioMark);
  MakeRadio(menu.m_hMenu, CmdThumbnails, radioMark);

  // The hovered item: "Open...", second from the top.
  PopupSnapshotOwner owner(menu.m_hMenu, 1, path);
  owner.CreateEx(0, nullptr, "menu gallery", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr);
  SetForegroundWindow(owner.m_hWnd);
  menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, 20, 20, &owner);
  const bool saved = owner.saved();
  owner.DestroyWindow();
  DeleteObject(radioMark);

  const MenuLookFacts facts = MenuEnvironment::CurrentLook();
  std::printf("%s look: %s\n", facts.flatDrawing ? "flat" : "classic", saved ? path : "not saved");
  return saved ? 0 : 1;
}
