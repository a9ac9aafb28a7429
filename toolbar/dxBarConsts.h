// The toolbar unit's texts, read from its string table through cxGetResourceString.
#pragma once

#include "ResStrings.h"

namespace dxBarConsts {

extern const TResStringRec dxSBAR_MENUANIM_RANDOM;
extern const TResStringRec dxSBAR_MENUANIM_UNFOLD;
extern const TResStringRec dxSBAR_MENUANIM_SLIDE;
extern const TResStringRec dxSBAR_MENUANIM_FADE;
extern const TResStringRec dxSBAR_ADDTOOLBAR;
extern const TResStringRec dxSBAR_RENAMETOOLBAR;
extern const TResStringRec dxSBAR_CATEGORYNAME;
extern const TResStringRec dxSBAR_TOOLBARNAME;
extern const TResStringRec dxSBAR_MODIFY;
extern const TResStringRec dxSBAR_PERSMENUSANDTOOLBARS;
extern const TResStringRec dxSBAR_MENUSSHOWRECENTITEMS;
extern const TResStringRec dxSBAR_SHOWFULLMENUSAFTERDELAY;
extern const TResStringRec dxSBAR_RESETUSAGEDATA;
extern const TResStringRec dxSBAR_OTHEROPTIONS;
extern const TResStringRec dxSBAR_LARGEICONS;
extern const TResStringRec dxSBAR_HINTOPT1;
extern const TResStringRec dxSBAR_HINTOPT2;
extern const TResStringRec dxSBAR_MENUANIMATIONS;
extern const TResStringRec dxSBAR_MENUANIM_NONE;
extern const TResStringRec dxSBAR_CUSTOMTOOLBARNAME;
extern const TResStringRec dxSBAR_ADDCATEGORY;
extern const TResStringRec dxSBAR_INSERTCATEGORY;
extern const TResStringRec dxSBAR_RENAMECATEGORY;
extern const TResStringRec dxSBAR_RESETDOTS;
extern const TResStringRec dxSBAR_CLOSE;
extern const TResStringRec dxSBAR_CUSTOMIZE;
extern const TResStringRec dxSBAR_CATEGORIES;
extern const TResStringRec dxSBAR_COMMANDS;
extern const TResStringRec dxSBAR_DESCRIPTION;
extern const TResStringRec dxSBAR_CUSTOMIZEDOTS;
extern const TResStringRec dxSBAR_ADDREMOVEBUTTONS;
extern const TResStringRec dxSBAR_MOREBUTTONS;
extern const TResStringRec dxSBAR_RESETTOOLBAR;
extern const TResStringRec dxSBAR_VISIBLE;
extern const TResStringRec dxSBAR_OK;
extern const TResStringRec dxSBAR_CANCEL;
extern const TResStringRec dxSBAR_SUBMENUEDITORDOTS;
extern const TResStringRec dxSBAR_SUBMENUEDITORCAPTION;
extern const TResStringRec dxSBAR_INSERTDOTS;
extern const TResStringRec dxSBAR_MOVEUP;
extern const TResStringRec dxSBAR_MOVEDOWN;
extern const TResStringRec dxSBAR_TABSHEET1;
extern const TResStringRec dxSBAR_TABSHEET2;
extern const TResStringRec dxSBAR_TABSHEET3;
extern const TResStringRec dxSBAR_TOOLBARS;
extern const TResStringRec dxSBAR_TNEW;
extern const TResStringRec dxSBAR_TRENAME;
extern const TResStringRec dxSBAR_TDELETE;
extern const TResStringRec dxSBAR_TEXTONLYINMENUS;
extern const TResStringRec dxSBAR_IMAGEANDTEXT;
extern const TResStringRec dxSBAR_BEGINAGROUP;
extern const TResStringRec dxSBAR_VISIBLEMENU;
extern const TResStringRec dxSBAR_MOSTRECENTLYUSED;
extern const TResStringRec dxSBAR_POSITION;
extern const TResStringRec dxSBAR_VIEWLEVELS;
extern const TResStringRec dxSBAR_VIEWLEVELSALL;
extern const TResStringRec dxSBAR_VIEWLEVELSONLY;
extern const TResStringRec dxSBAR_BUTTONGROUP;
extern const TResStringRec dxSBAR_GROUP;
extern const TResStringRec dxSBAR_UNGROUP;
extern const TResStringRec dxSBAR_ADDDOTS;
extern const TResStringRec dxSBAR_RENAMEDOTS;
extern const TResStringRec dxSBAR_DELETE;
extern const TResStringRec dxSBAR_CLEAR;
extern const TResStringRec dxSBAR_ADDSUBITEM;
extern const TResStringRec dxSBAR_ADDBUTTON;
extern const TResStringRec dxSBAR_ADDSEPARATOR;
extern const TResStringRec dxSBAR_ADDITEM;
extern const TResStringRec dxSBAR_DELETEITEM;
extern const TResStringRec dxSBAR_DELETELINK;
extern const TResStringRec dxSBAR_RESET;
extern const TResStringRec dxSBAR_DELETEMENU;
extern const TResStringRec dxSBAR_NAME;
extern const TResStringRec dxSBAR_CAPTION;
extern const TResStringRec dxSBAR_DEFAULTSTYLE;
extern const TResStringRec dxSBAR_TEXTONLYALWAYS;
extern const TResStringRec dxSBAR_CANTMERGEBARMANAGER;
extern const TResStringRec dxSBAR_CANTMERGETOOLBAR;
extern const TResStringRec dxSBAR_CANTMERGEWITHMERGEDTOOLBAR;
extern const TResStringRec dxSBAR_DEFAULTCATEGORYNAME;
extern const TResStringRec dxSBAR_NEWITEMCAPTION;
extern const TResStringRec dxSBAR_RESETUSAGEDATAWARNING;
extern const TResStringRec dxSBAR_BARMANAGERMORETHANONE;
extern const TResStringRec dxSBAR_BARMANAGERBADOWNER;
extern const TResStringRec dxSBAR_WANTTODELETETOOLBAR;
extern const TResStringRec dxSBAR_WANTTODELETETOOLBARS;
extern const TResStringRec dxSBAR_WANTTODELETECATEGORY;
extern const TResStringRec dxSBAR_WANTTOCLEARCOMMANDS;
extern const TResStringRec dxSBAR_COMMANDNAMECANNOTBEBLANK;
extern const TResStringRec dxSBAR_TOOLBAREXISTS;
extern const TResStringRec dxSBAR_RECURSIVEGROUPS;
extern const TResStringRec dxSBAR_WANTTODELETECOMPLEXITEM;

}  // namespace dxBarConsts

using namespace dxBarConsts;
