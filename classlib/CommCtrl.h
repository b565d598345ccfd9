#pragma once
// The common controls as plain message-driven window classes of our own: the column header
// "SysHeader32", the list view "SysListView32", the tree view "SysTreeView32", the tab control
// "SysTabControl32" and the up-down "msctls_updown32". Message numbers, styles, records and
// notification codes keep the Windows values because the skinned code quotes them. Texts are
// UTF-8; an image list handle is a TCustomImageList pointer.

#include "classlib/Controls.h"
#include "platform/window/Messages.h"

class TCustomImageList;
using HIMAGELIST = TCustomImageList*;

inline constexpr const char* WC_HEADER = "SysHeader32";
inline constexpr const char* WC_LISTVIEW = "SysListView32";
inline constexpr const char* WC_TREEVIEW = "SysTreeView32";
inline constexpr const char* WC_TABCONTROL = "SysTabControl32";
inline constexpr const char* UPDOWN_CLASS = "msctls_updown32";

// Registers the five classes (once; later calls do nothing).
void RegisterCommonControls();
// Makes the control's window a subclass of a common control class: the window keeps the
// control's own procedure and passes what the control does not handle to the class's.
void CreateSubClass(TCreateParams& Params, const char* ControlClassName);

// --- notifications (WM_NOTIFY, lParam) -------------------------------------------------------
struct NMHDR {
    HWND hwndFrom = nullptr;
    UINT_PTR idFrom = 0;
    int code = 0;
};
inline constexpr int NM_CLICK = -2;
inline constexpr int NM_DBLCLK = -3;
inline constexpr int NM_RCLICK = -5;

// --- header ----------------------------------------------------------------------------------
inline constexpr UINT HDM_FIRST = 0x1200;
inline constexpr UINT HDM_GETITEMCOUNT = HDM_FIRST + 0;
inline constexpr UINT HDM_INSERTITEM = HDM_FIRST + 1;  // wParam: index, lParam: HDITEM*; returns the index
inline constexpr UINT HDM_DELETEITEM = HDM_FIRST + 2;
inline constexpr UINT HDM_GETITEM = HDM_FIRST + 3;
inline constexpr UINT HDM_SETITEM = HDM_FIRST + 4;
inline constexpr UINT HDM_HITTEST = HDM_FIRST + 6;     // lParam: HDHITTESTINFO*
inline constexpr UINT HDM_GETITEMRECT = HDM_FIRST + 7;  // wParam: index, lParam: RECT*
inline constexpr UINT HDM_SETIMAGELIST = HDM_FIRST + 8;
inline constexpr UINT HDM_GETORDERARRAY = HDM_FIRST + 17;  // wParam: count, lParam: int*
inline constexpr UINT HDM_SETORDERARRAY = HDM_FIRST + 18;

inline constexpr UINT HDI_WIDTH = 0x0001;
inline constexpr UINT HDI_TEXT = 0x0002;
inline constexpr UINT HDI_FORMAT = 0x0004;
inline constexpr UINT HDI_LPARAM = 0x0008;
inline constexpr UINT HDI_IMAGE = 0x0020;
inline constexpr UINT HDI_ORDER = 0x0080;
inline constexpr int HDF_LEFT = 0x0000;
inline constexpr int HDF_RIGHT = 0x0001;
inline constexpr int HDF_CENTER = 0x0002;
inline constexpr int HDF_JUSTIFYMASK = 0x0003;
inline constexpr int HDF_IMAGE = 0x0800;
inline constexpr int HDF_STRING = 0x4000;
inline constexpr DWORD HDS_BUTTONS = 0x0002;
inline constexpr DWORD HDS_FULLDRAG = 0x0080;

struct HDITEM {
    UINT mask = 0;
    int cxy = 0;
    const char* pszText = nullptr;  // HDM_GETITEM copies into pszOut
    char* pszOut = nullptr;
    int cchTextMax = 0;
    int fmt = 0;
    LPARAM lParam = 0;
    int iImage = 0;
    int iOrder = 0;
};

inline constexpr UINT HHT_NOWHERE = 0x0001;
inline constexpr UINT HHT_ONHEADER = 0x0002;
inline constexpr UINT HHT_ONDIVIDER = 0x0004;
// Just right of a divider that zero-width sections follow: a drag opens the first of them.
inline constexpr UINT HHT_ONDIVOPEN = 0x0008;
inline constexpr UINT HHT_TORIGHT = 0x0800;
struct HDHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
    int iItem = -1;
};

inline constexpr int HDN_FIRST = -300;
// Before a drag changes a width: pitem->cxy holds the new width, which the parent may lower or
// raise; a non-zero answer refuses the change.
inline constexpr int HDN_ITEMCHANGING = HDN_FIRST - 0;
inline constexpr int HDN_ITEMCHANGED = HDN_FIRST - 1;
inline constexpr int HDN_ITEMCLICK = HDN_FIRST - 2;
// A non-zero answer refuses the drag; a refused opening of a zero-width section drags the
// divider of the section on its left instead.
inline constexpr int HDN_BEGINTRACK = HDN_FIRST - 6;
inline constexpr int HDN_ENDTRACK = HDN_FIRST - 7;
inline constexpr int HDN_TRACK = HDN_FIRST - 8;
struct NMHEADER {
    NMHDR hdr;
    int iItem = -1;
    int iButton = 0;
    HDITEM* pitem = nullptr;
};

// --- list view -------------------------------------------------------------------------------
inline constexpr DWORD LVS_ICON = 0x0000;
inline constexpr DWORD LVS_REPORT = 0x0001;
inline constexpr DWORD LVS_SMALLICON = 0x0002;
inline constexpr DWORD LVS_LIST = 0x0003;
inline constexpr DWORD LVS_TYPEMASK = 0x0003;
inline constexpr DWORD LVS_SINGLESEL = 0x0004;
inline constexpr DWORD LVS_SHOWSELALWAYS = 0x0008;
inline constexpr DWORD LVS_EDITLABELS = 0x0200;
// The parent keeps the items: the window holds a count and the states, and asks for texts and
// images by LVN_GETDISPINFO when it paints a row, for type-ahead by LVN_ODFINDITEM.
inline constexpr DWORD LVS_OWNERDATA = 0x1000;
inline constexpr DWORD LVS_NOCOLUMNHEADER = 0x4000;
inline constexpr DWORD LVS_EX_GRIDLINES = 0x0001;
inline constexpr DWORD LVS_EX_FULLROWSELECT = 0x0020;

inline constexpr UINT LVM_FIRST = 0x1000;
inline constexpr UINT LVM_GETBKCOLOR = LVM_FIRST + 0;
inline constexpr UINT LVM_SETBKCOLOR = LVM_FIRST + 1;
inline constexpr UINT LVM_SETIMAGELIST = LVM_FIRST + 3;  // wParam: LVSIL_, lParam: HIMAGELIST
inline constexpr UINT LVM_GETITEMCOUNT = LVM_FIRST + 4;
inline constexpr UINT LVM_GETITEM = LVM_FIRST + 5;
inline constexpr UINT LVM_SETITEM = LVM_FIRST + 6;
inline constexpr UINT LVM_INSERTITEM = LVM_FIRST + 7;
inline constexpr UINT LVM_DELETEITEM = LVM_FIRST + 8;
inline constexpr UINT LVM_DELETEALLITEMS = LVM_FIRST + 9;
inline constexpr UINT LVM_GETNEXTITEM = LVM_FIRST + 12;
inline constexpr UINT LVM_GETITEMRECT = LVM_FIRST + 14;  // wParam: item, lParam: RECT* (left: LVIR_)
inline constexpr UINT LVM_HITTEST = LVM_FIRST + 18;
inline constexpr UINT LVM_ENSUREVISIBLE = LVM_FIRST + 19;
inline constexpr UINT LVM_SCROLL = LVM_FIRST + 20;  // wParam: dx, lParam: dy (pixels)
inline constexpr UINT LVM_REDRAWITEMS = LVM_FIRST + 21;  // wParam: first, lParam: last
inline constexpr UINT LVM_EDITLABEL = LVM_FIRST + 23;  // wParam: item; returns the edit window
inline constexpr UINT LVM_GETEDITCONTROL = LVM_FIRST + 24;
inline constexpr UINT LVM_GETCOLUMN = LVM_FIRST + 25;
inline constexpr UINT LVM_SETCOLUMN = LVM_FIRST + 26;
inline constexpr UINT LVM_INSERTCOLUMN = LVM_FIRST + 27;
inline constexpr UINT LVM_DELETECOLUMN = LVM_FIRST + 28;
inline constexpr UINT LVM_GETCOLUMNWIDTH = LVM_FIRST + 29;
inline constexpr UINT LVM_SETCOLUMNWIDTH = LVM_FIRST + 30;
inline constexpr UINT LVM_GETHEADER = LVM_FIRST + 31;
inline constexpr UINT LVM_SETTEXTCOLOR = LVM_FIRST + 36;
inline constexpr UINT LVM_SETTEXTBKCOLOR = LVM_FIRST + 38;
inline constexpr UINT LVM_GETTOPINDEX = LVM_FIRST + 39;
inline constexpr UINT LVM_GETCOUNTPERPAGE = LVM_FIRST + 40;
inline constexpr UINT LVM_SETITEMSTATE = LVM_FIRST + 43;
inline constexpr UINT LVM_GETITEMSTATE = LVM_FIRST + 44;
inline constexpr UINT LVM_SETITEMCOUNT = LVM_FIRST + 47;  // owner data: wParam the count
inline constexpr UINT LVM_GETSELECTEDCOUNT = LVM_FIRST + 50;
inline constexpr UINT LVM_SETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 54;  // wParam: mask, lParam: styles
inline constexpr UINT LVM_GETEXTENDEDLISTVIEWSTYLE = LVM_FIRST + 55;
inline constexpr UINT LVM_CANCELEDITLABEL = LVM_FIRST + 179;

inline constexpr WPARAM LVSIL_NORMAL = 0;
inline constexpr WPARAM LVSIL_SMALL = 1;
inline constexpr int LVIR_BOUNDS = 0;
inline constexpr int LVIR_ICON = 1;
inline constexpr int LVIR_LABEL = 2;
inline constexpr LPARAM LVNI_ALL = 0x0000;
inline constexpr LPARAM LVNI_FOCUSED = 0x0001;
inline constexpr LPARAM LVNI_SELECTED = 0x0002;

inline constexpr UINT LVIF_TEXT = 0x0001;
inline constexpr UINT LVIF_IMAGE = 0x0002;
inline constexpr UINT LVIF_PARAM = 0x0004;
inline constexpr UINT LVIF_STATE = 0x0008;
inline constexpr UINT LVIS_FOCUSED = 0x0001;
inline constexpr UINT LVIS_SELECTED = 0x0002;
struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    UINT state = 0;
    UINT stateMask = 0;
    const char* pszText = nullptr;  // LVM_GETITEM copies into pszOut
    char* pszOut = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};

inline constexpr UINT LVCF_FMT = 0x0001;
inline constexpr UINT LVCF_WIDTH = 0x0002;
inline constexpr UINT LVCF_TEXT = 0x0004;
inline constexpr UINT LVCF_IMAGE = 0x0010;
inline constexpr int LVCFMT_LEFT = 0x0000;
inline constexpr int LVCFMT_RIGHT = 0x0001;
inline constexpr int LVCFMT_CENTER = 0x0002;
inline constexpr int LVCFMT_IMAGE = 0x0800;
struct LVCOLUMN {
    UINT mask = 0;
    int fmt = 0;
    int cx = 0;
    const char* pszText = nullptr;
    char* pszOut = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
};

inline constexpr UINT LVHT_NOWHERE = 0x0001;
inline constexpr UINT LVHT_ONITEM = 0x000E;
struct LVHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
    int iItem = -1;
    int iSubItem = 0;
};

inline constexpr int LVN_FIRST = -100;
inline constexpr int LVN_ITEMCHANGED = LVN_FIRST - 1;
inline constexpr int LVN_BEGINLABELEDIT = LVN_FIRST - 5;  // NMLVDISPINFO; answer TRUE to refuse
inline constexpr int LVN_ENDLABELEDIT = LVN_FIRST - 6;  // item.pszText nullptr: cancelled; TRUE keeps the text
inline constexpr int LVN_COLUMNCLICK = LVN_FIRST - 8;
inline constexpr int LVN_GETDISPINFO = LVN_FIRST - 50;  // NMLVDISPINFO: set item.pszText (kept until
                                                         // the next message) and item.iImage
inline constexpr int LVN_ODFINDITEM = LVN_FIRST - 52;  // NMLVFINDITEM; answer the row or -1
struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    UINT uNewState = 0;
    UINT uOldState = 0;
    UINT uChanged = 0;
    POINT ptAction{};
    LPARAM lParam = 0;
};

struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};

inline constexpr UINT LVFI_STRING = 0x0002;
inline constexpr UINT LVFI_PARTIAL = 0x0008;
inline constexpr UINT LVFI_WRAP = 0x0020;
struct LVFINDINFO {
    UINT flags = 0;
    const char* psz = nullptr;
    LPARAM lParam = 0;
};
struct NMLVFINDITEM {
    NMHDR hdr;
    int iStart = 0;
    LVFINDINFO lvfi;
};

// --- tree view -------------------------------------------------------------------------------
struct TREEITEM_;
using HTREEITEM = TREEITEM_*;
inline const HTREEITEM TVI_ROOT = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x10000));
inline const HTREEITEM TVI_FIRST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFF));
inline const HTREEITEM TVI_LAST = reinterpret_cast<HTREEITEM>(static_cast<std::intptr_t>(-0x0FFFE));

inline constexpr DWORD TVS_HASBUTTONS = 0x0001;
inline constexpr DWORD TVS_HASLINES = 0x0002;
inline constexpr DWORD TVS_LINESATROOT = 0x0004;
inline constexpr DWORD TVS_EDITLABELS = 0x0008;
inline constexpr DWORD TVS_SHOWSELALWAYS = 0x0020;

inline constexpr UINT TV_FIRST = 0x1100;
inline constexpr UINT TVM_INSERTITEM = TV_FIRST + 0;  // lParam: TVINSERTSTRUCT*; returns HTREEITEM
inline constexpr UINT TVM_DELETEITEM = TV_FIRST + 1;  // lParam: item (TVI_ROOT: all)
inline constexpr UINT TVM_EXPAND = TV_FIRST + 2;      // wParam: TVE_, lParam: item
inline constexpr UINT TVM_GETITEMRECT = TV_FIRST + 4;  // wParam: text only, lParam: RECT* holding the item
inline constexpr UINT TVM_GETCOUNT = TV_FIRST + 5;
inline constexpr UINT TVM_GETINDENT = TV_FIRST + 6;
inline constexpr UINT TVM_SETINDENT = TV_FIRST + 7;
inline constexpr UINT TVM_SETIMAGELIST = TV_FIRST + 9;  // wParam: TVSIL_, lParam: HIMAGELIST
inline constexpr UINT TVM_GETNEXTITEM = TV_FIRST + 10;  // wParam: TVGN_, lParam: item
inline constexpr UINT TVM_SELECTITEM = TV_FIRST + 11;
inline constexpr UINT TVM_GETITEM = TV_FIRST + 12;
inline constexpr UINT TVM_SETITEM = TV_FIRST + 13;
inline constexpr UINT TVM_EDITLABEL = TV_FIRST + 14;  // lParam: item; returns the edit window
inline constexpr UINT TVM_GETEDITCONTROL = TV_FIRST + 15;
inline constexpr UINT TVM_GETVISIBLECOUNT = TV_FIRST + 16;
inline constexpr UINT TVM_HITTEST = TV_FIRST + 17;
inline constexpr UINT TVM_ENSUREVISIBLE = TV_FIRST + 20;
inline constexpr UINT TVM_SORTCHILDRENCB = TV_FIRST + 21;  // lParam: TVSORTCB*
inline constexpr UINT TVM_ENDEDITLABELNOW = TV_FIRST + 22;  // wParam: cancel
inline constexpr UINT TVM_SETBKCOLOR = TV_FIRST + 29;
inline constexpr UINT TVM_SETTEXTCOLOR = TV_FIRST + 30;
inline constexpr UINT TVM_GETITEMHEIGHT = TV_FIRST + 28;

inline constexpr WPARAM TVE_COLLAPSE = 0x0001;
inline constexpr WPARAM TVE_EXPAND = 0x0002;
inline constexpr WPARAM TVE_TOGGLE = 0x0003;
inline constexpr WPARAM TVSIL_NORMAL = 0;
inline constexpr WPARAM TVSIL_STATE = 2;
inline constexpr WPARAM TVGN_ROOT = 0x0000;
inline constexpr WPARAM TVGN_NEXT = 0x0001;
inline constexpr WPARAM TVGN_PREVIOUS = 0x0002;
inline constexpr WPARAM TVGN_PARENT = 0x0003;
inline constexpr WPARAM TVGN_CHILD = 0x0004;
inline constexpr WPARAM TVGN_FIRSTVISIBLE = 0x0005;
inline constexpr WPARAM TVGN_NEXTVISIBLE = 0x0006;
inline constexpr WPARAM TVGN_CARET = 0x0009;

inline constexpr UINT TVIF_TEXT = 0x0001;
inline constexpr UINT TVIF_IMAGE = 0x0002;
inline constexpr UINT TVIF_PARAM = 0x0004;
inline constexpr UINT TVIF_STATE = 0x0008;
inline constexpr UINT TVIF_SELECTEDIMAGE = 0x0020;
inline constexpr UINT TVIF_CHILDREN = 0x0040;
inline constexpr UINT TVIS_SELECTED = 0x0002;
inline constexpr UINT TVIS_EXPANDED = 0x0020;
inline constexpr UINT TVIS_STATEIMAGEMASK = 0xF000;  // state image index (1-based) << 12
struct TVITEM {
    UINT mask = 0;
    HTREEITEM hItem = nullptr;
    UINT state = 0;
    UINT stateMask = 0;
    const char* pszText = nullptr;  // TVM_GETITEM copies into pszOut
    char* pszOut = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    int iSelectedImage = -1;
    int cChildren = 0;
    LPARAM lParam = 0;
};
struct TVINSERTSTRUCT {
    HTREEITEM hParent = nullptr;  // nullptr or TVI_ROOT: a top-level item
    HTREEITEM hInsertAfter = nullptr;  // TVI_FIRST, TVI_LAST or a sibling
    TVITEM item;
};
inline constexpr UINT TVHT_NOWHERE = 0x0001;
inline constexpr UINT TVHT_ONITEMICON = 0x0002;
inline constexpr UINT TVHT_ONITEMLABEL = 0x0004;
inline constexpr UINT TVHT_ONITEMINDENT = 0x0008;
inline constexpr UINT TVHT_ONITEMBUTTON = 0x0010;
inline constexpr UINT TVHT_ONITEMSTATEICON = 0x0040;
struct TVHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
    HTREEITEM hItem = nullptr;
};
inline constexpr int TVN_FIRST = -400;
inline constexpr int TVN_SELCHANGING = TVN_FIRST - 1;  // answer TRUE to refuse
inline constexpr int TVN_SELCHANGED = TVN_FIRST - 2;
inline constexpr int TVN_ITEMEXPANDING = TVN_FIRST - 5;  // answer TRUE to refuse
inline constexpr int TVN_ITEMEXPANDED = TVN_FIRST - 6;
inline constexpr int TVN_DELETEITEM = TVN_FIRST - 9;
inline constexpr int TVN_BEGINLABELEDIT = TVN_FIRST - 10;  // answer TRUE to refuse
inline constexpr int TVN_ENDLABELEDIT = TVN_FIRST - 11;  // item.pszText nullptr: cancelled; answer TRUE to keep the text
struct NMTREEVIEW {
    NMHDR hdr;
    UINT action = 0;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag{};
};
struct NMTVDISPINFO {
    NMHDR hdr;
    TVITEM item;
};
using PFNTVCOMPARE = int (*)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
struct TVSORTCB {
    HTREEITEM hParent = nullptr;
    PFNTVCOMPARE lpfnCompare = nullptr;
    LPARAM lParam = 0;
};

// --- tab control -----------------------------------------------------------------------------
inline constexpr DWORD TCS_BOTTOM = 0x0002;
inline constexpr DWORD TCS_RIGHT = 0x0002;
inline constexpr DWORD TCS_VERTICAL = 0x0080;
inline constexpr DWORD TCS_MULTILINE = 0x0200;
inline constexpr DWORD TCS_FIXEDWIDTH = 0x0400;

inline constexpr UINT TCM_FIRST = 0x1300;
inline constexpr UINT TCM_SETIMAGELIST = TCM_FIRST + 3;
inline constexpr UINT TCM_GETITEMCOUNT = TCM_FIRST + 4;
inline constexpr UINT TCM_GETITEM = TCM_FIRST + 5;
inline constexpr UINT TCM_SETITEM = TCM_FIRST + 6;
inline constexpr UINT TCM_INSERTITEM = TCM_FIRST + 7;
inline constexpr UINT TCM_DELETEITEM = TCM_FIRST + 8;
inline constexpr UINT TCM_DELETEALLITEMS = TCM_FIRST + 9;
inline constexpr UINT TCM_GETITEMRECT = TCM_FIRST + 10;  // wParam: index, lParam: RECT*; FALSE when hidden
inline constexpr UINT TCM_GETCURSEL = TCM_FIRST + 11;
inline constexpr UINT TCM_SETCURSEL = TCM_FIRST + 12;
inline constexpr UINT TCM_HITTEST = TCM_FIRST + 13;
inline constexpr UINT TCM_ADJUSTRECT = TCM_FIRST + 40;  // wParam FALSE: window to display rectangle
inline constexpr UINT TCM_SETITEMSIZE = TCM_FIRST + 41;  // lParam: MAKELPARAM(width, height)
inline constexpr UINT TCM_GETROWCOUNT = TCM_FIRST + 44;

inline constexpr UINT TCIF_TEXT = 0x0001;
inline constexpr UINT TCIF_IMAGE = 0x0002;
inline constexpr UINT TCIF_PARAM = 0x0008;
struct TCITEM {
    UINT mask = 0;
    const char* pszText = nullptr;
    char* pszOut = nullptr;
    int cchTextMax = 0;
    int iImage = -1;
    LPARAM lParam = 0;
};
inline constexpr UINT TCHT_NOWHERE = 0x0001;
inline constexpr UINT TCHT_ONITEM = 0x0006;
struct TCHITTESTINFO {
    POINT pt{};
    UINT flags = 0;
};
inline constexpr int TCN_FIRST = -550;
inline constexpr int TCN_SELCHANGE = TCN_FIRST - 1;
inline constexpr int TCN_SELCHANGING = TCN_FIRST - 2;  // answer TRUE to refuse

// --- up-down ---------------------------------------------------------------------------------
inline constexpr DWORD UDS_HORZ = 0x0040;
inline constexpr UINT UDM_SETRANGE32 = WM_USER + 111;  // wParam: low, lParam: high
inline constexpr UINT UDM_GETRANGE32 = WM_USER + 112;  // wParam, lParam: int*
inline constexpr UINT UDM_SETPOS32 = WM_USER + 113;
inline constexpr UINT UDM_GETPOS32 = WM_USER + 114;
