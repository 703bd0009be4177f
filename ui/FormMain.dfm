object MainForm: TMainForm
  Left = 310
  Top = 364
  AlphaBlend = True
  AlphaBlendValue = 249
  Caption = 'Pelmar'
  ClientHeight = 418
  ClientWidth = 888
  Color = clBtnFace
  Font.Charset = 0
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = MainMenu
  ShowHint = True
  OnCloseQuery = FormCloseQuery
  OnClose = FormClose
  OnCreate = FormCreate
  OnDestroy = FormDestroy
  object StatBar: TStatusBar
    Left = 0
    Top = 399
    Width = 888
    Height = 19
    Align = alBottom
    SimplePanel = True
  end
  object PageControl: TPageControl
    Left = 0
    Top = 0
    Width = 888
    Height = 399
    Align = alClient
    HotTrack = True
    DoubleBuffered = True
    object tabBrowse: TTabSheet
      Caption = 'Browse for files'
      object PanelExplorer: TPanel
        Left = 0
        Top = 0
        Width = 880
        Height = 371
        Align = alClient
        BevelOuter = bvNone
        object PanelTop: TPanel
          Left = 0
          Top = 0
          Width = 880
          Height = 24
          Align = alTop
          BevelOuter = bvNone
          object DriveComboBox: TDriveComboBox
            Left = 1
            Top = 3
            Width = 110
            Height = 19
            AutoDropDown = True
            Color = 14737626
            DirList = Directory
            Hint = 'Change drive'
          end
          object edtPath: TEdit
            Left = 114
            Top = 3
            Width = 704
            Height = 18
            Anchors = [akLeft, akTop, akRight]
            BevelKind = bkSoft
            BorderStyle = bsNone
            Color = 13812929
            Hint = 'Path'
            OnChange = edtPathChange
          end
        end
        object Directory: TDirectoryListBox
          Left = 0
          Top = 24
          Width = 310
          Height = 347
          Align = alLeft
          Color = 14148067
          DoubleBuffered = True
          FileList = FileList
          Hint = 'FOLDER LIST.'#13#10'Browse for a folder'
          ItemHeight = 16
          OnChange = DirectoryChange
        end
        object Splitter: TSplitter
          Left = 310
          Top = 24
          Width = 4
          Height = 347
          Align = alLeft
          Beveled = True
          Color = clMaroon
          ResizeStyle = rsUpdate
        end
        object FileList: TMovraFileList
          Left = 314
          Top = 24
          Width = 566
          Height = 347
          Align = alClient
          Color = 14148567
          DoubleBuffered = True
          FileType = [ftReadOnly, ftHidden, ftSystem, ftArchive, ftNormal]
          Hint = 
            'FILE LIST'#13#10'Press F9 to process on the files in this folder. '#13#10'Press F1' +
            '0 to process all files in this folder and all its sub-folders'
          ItemHeight = 16
          Mask = '*.html'
          MultiSelect = True
          ShowGlyphs = True
        end
      end
    end
    object tabStart: TTabSheet
      Caption = 'Inputs/Outputs'
      object Panel1: TPanel
        Left = 0
        Top = 0
        Width = 277
        Height = 371
        Align = alLeft
        BevelOuter = bvNone
        OnResize = Panel1Resize
        object lblKeys: TLabel
          Left = 0
          Top = 0
          Width = 277
          Height = 13
          Align = alTop
          Alignment = taCenter
          Caption = 'Your keywords'
          Font.Charset = 0
          Font.Color = clWindowText
          Font.Height = -11
          Font.Name = 'MS Sans Serif'
          Font.Style = [fsBold]
        end
        object mmoKeys: TMemo
          Left = 0
          Top = 16
          Width = 277
          Height = 314
          Color = 14473935
          Hint = 'Insert your keywords here or in a file called '#39'keywords.txt'#39
          Lines.Strings = (
            'keywords')
          ScrollBars = ssBoth
          WordWrap = False
        end
        object btnSaveKwrds: TButton
          Left = 92
          Top = 338
          Width = 92
          Height = 25
          Caption = 'Save keywords'
          OnClick = btnSaveKwrdsClick
        end
      end
      object Splitter1: TSplitter
        Left = 277
        Top = 0
        Width = 3
        Height = 371
        Align = alLeft
        Beveled = True
        Color = clAppWorkSpace
        ResizeStyle = rsUpdate
      end
      object Mmo: TMemo
        Left = 280
        Top = 0
        Width = 309
        Height = 371
        Align = alLeft
        Color = 13818329
        Lines.Strings = (
          'current file')
        MaxLength = 16777216
        ScrollBars = ssBoth
        WordWrap = False
      end
      object Splitter2: TSplitter
        Left = 589
        Top = 0
        Width = 3
        Height = 371
        Align = alLeft
        Beveled = True
        Color = clAppWorkSpace
        ResizeStyle = rsUpdate
      end
      object mmOutput: TRichEdit
        Left = 592
        Top = 0
        Width = 288
        Height = 371
        Align = alClient
        Color = clBlack
        Font.Charset = 0
        Font.Color = clLime
        Font.Height = -11
        Font.Name = 'MS Sans Serif'
        Font.Style = []
        Hint = 'Press F12 to save this log'
        Lines.Strings = (
          'Log:')
        MaxLength = 2147483646
        PlainText = True
        ScrollBars = ssBoth
        WordWrap = False
      end
    end
    object tabHelp: TTabSheet
      Caption = 'Help'
      object MmoHelp: TMemo
        Left = 0
        Top = 0
        Width = 880
        Height = 371
        Align = alClient
        Lines.Strings = (
          'WHY KEYWORDS IN ALT TEXT'
          ''
          'Search engines cannot see pictures. What they read of an image is the text of its alt attribute,'
          'and they weigh that text when they decide where a page is placed for a search. A page whose'
          'images carry phrases with the words your visitors search for is found more easily than one'
          'whose images say nothing.'
          ''
          'WHAT PELMAR DOES'
          ''
          'Pelmar opens every file with the extension ".html" (not ".htm") in the folder you choose, or in'
          'that folder and all folders below it. It adds an alt attribute to every image tag that has none,'
          'filled with a keyword phrase picked at random from your keyword list, and saves the file. Image'
          'tags that already have an alt attribute are left as they are. The log on the "Inputs/Outputs"'
          'page shows how many tags were changed in each file.'
          ''
          'Press F9 to process the files listed on the "Browse for files" page (select names there and'
          'press Delete to leave them out of the run). Press F10 to process all files in the folder and in'
          'all its sub-folders.'
          ''
          'EXAMPLE'
          ''
          'Before:  <img src="boat.jpg" width="120" height="80">'
          'After:   <img src="boat.jpg" alt="wooden sailing boats" width="120" height="80">'
          ''
          'HOW TO PROVIDE YOUR KEYWORDS'
          ''
          'Put a file called "Keywords.txt" beside Pelmar, or type your phrases into the "Your keywords"'
          'box and press "Save keywords". Write one phrase on each line: a combination of three or four'
          'keywords works best. For example:'
          ''
          'wooden sailing boats'
          'classic boat restoration'
          'sailing boat repair shop'
          'hand built wooden dinghy')
        ScrollBars = ssVertical
        WordWrap = False
      end
    end
    object tabLicense: TTabSheet
      Caption = 'License'
      OnResize = tabLicenseResize
      object mmoLicense: TMemo
        Left = 0
        Top = 0
        Width = 880
        Height = 339
        Align = alTop
        BevelInner = bvNone
        BevelOuter = bvNone
        Lines.Strings = (
          'PELMAR - TERMS OF USE'
          ''
          'Please read these terms before you use Pelmar. By pressing "I Agree" you accept them.'
          ''
          '1. Pelmar changes your files. It rewrites every HTML file it processes, in place. Make a'
          '   backup copy of your web site before you start a run: Pelmar keeps no copy of the original'
          '   files.'
          ''
          '2. You use Pelmar at your own risk. The program is provided "as is", without any warranty,'
          '   express or implied, including the warranties of fitness for a particular purpose.'
          ''
          '3. Tarvik is not liable for any loss or damage that comes from the use of Pelmar: lost or'
          '   changed files, lost data, lost income or a lower place in a search engine.'
          ''
          '4. The keyword phrases you use are your own responsibility. Use only phrases that describe'
          '   your own pages truthfully and that you are allowed to use.'
          ''
          '5. You may use Pelmar on as many computers as you like. You may not sell it, rent it or pass'
          '   it on in a changed form.'
          ''
          'Pelmar is (c) Tarvik 2006. All rights reserved.')
        ReadOnly = True
        ScrollBars = ssBoth
        WordWrap = False
      end
      object btnAgree: TButton
        Left = 402
        Top = 345
        Width = 75
        Height = 25
        Caption = 'I Agree'
        OnClick = btnAgreeClick
      end
    end
  end
  object MainMenu: TMainMenu
    object mnuFile: TMenuItem
      Caption = 'File'
      object mnuStart: TMenuItem
        Caption = 'Start (current folder)'
        Default = True
        ShortCut = 120
        OnClick = btnStartClick
      end
      object Startallsubfolders1: TMenuItem
        Caption = 'Start (all sub folders)'
        ShortCut = 121
        OnClick = Startallsubfolders1Click
      end
      object mnuExit: TMenuItem
        Caption = 'Exit'
        ShortCut = 16499
        OnClick = mnuExitClick
      end
    end
    object mnuOptions: TMenuItem
      Caption = 'Options'
      object mnuExplorer: TMenuItem
        AutoCheck = True
        Caption = 'View Explorer'
        Checked = True
        OnClick = mnuExplorerClick
      end
      object mnuSettings: TMenuItem
        Caption = 'Settings'
        ShortCut = 16468
        OnClick = mnuSettingsClick
      end
    end
    object mnuHelp: TMenuItem
      Caption = 'Help'
      object mnuAbout: TMenuItem
        Caption = 'About'
        OnClick = mnuAboutClick
      end
      object mnuWebsite: TMenuItem
        Caption = 'Web site'
        OnClick = mnuWebsiteClick
      end
    end
  end
  object dlgSaveLog: TSaveDialog
    DefaultExt = 'txt'
    FileName = 'Pelmar log.txt'
    Filter = 'Text files (*.txt)|*.txt|All files (*.*)|*.*'
    Options = [ofOverwritePrompt, ofHideReadOnly, ofPathMustExist, ofEnableSizing]
    Title = 'Save the run log'
  end
  object SkinData: TSkinData
    Active = False
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
    Options = [xoPreview, xoToolbarBK]
    Skin3rd.Strings = (
      'TCategoryButtons=scrollbar'
      'TPngBitBtn=pngbitbtn'
      'TVirtualStringTree=scrollbar'
      'TVirtualDrawTree=scrollbar'
      'TTBXDockablePanel=Panel'
      'TAdvPanelGroup=scrollbar'
      'TComboboxex=combobox'
      'TRxSpeedButton=speedbutton'
      'THTMLViewer=scrollbar'
      'TDBCtrlGrid=scrollbar'
      'TfrSpeedButton=speedbutton'
      'TfrTBButton=speedbutton'
      'TControlBar=Panel'
      'TTBDock=Panel'
      'TTBToolbar=Panel'
      'TImageEnMView=scrollbar'
      'TImageEnView=scrollbar'
      'TAdvMemo=scrollbar'
      'TDBAdvMemo=scrollbar'
      'TcxDBLookupComboBox=combobox'
      'TcxDBComboBox=combobox'
      'TcxDBDateEdit=combobox'
      'TcxDBImageComboBox=combobox'
      'TcxDBCalcEdit=combobox'
      'TcxDBBlobEdit=combobox'
      'TcxDBPopupEdit=combobox'
      'TcxDBFontNameComboBox=combobox'
      'TcxDBShellComboBox=combobox'
      'TRxLookupEdit=combobox'
      'TRxDBLookupCombo=combobox'
      'TRzGroup=panel'
      'TRzButton=button'
      'TRzBitbtn=bitbtn'
      'TRzMenuButton=menubtn'
      'TRzCheckGroup=CheckGroup'
      'TRzRadioGroup=Radiogroup'
      'TRzButtonEdit=Edit'
      'TRzDBRadioGroup=Radiogroup'
      'TRzDBRadioButton=Radiobutton'
      'TRzDateTimeEdit=combobox'
      'TRzColorEdit=combobox'
      'TRzDateTimePicker=combobox'
      'TRzDBDateTimeEdit=combobox'
      'TRzDbColorEdit=combobox'
      'TRzDBDateTimePicker=combobox'
      'TLMDButton=bitbtn'
      'TLMDGroupBox=Groupbox'
      'TDBCheckboxEh=Checkbox'
      'TDBCheckboxEh=Checkbox'
      'TLMDCHECKBOX=Checkbox'
      'TLMDDBCHECKBOX=Checkbox'
      'TLMDRadiobutton=Radiobutton'
      'TLMDCalculator=panel'
      'TLMDGROUPBOX=Panel'
      'TLMDSIMPLEPANEL=Panel'
      'TLMDDBCalendar=Panel'
      'TLMDButtonPanel=Panel'
      'TLMDLMDCalculator=Panel'
      'TLMDHeaderPanel=Panel'
      'TLMDTechnicalLine=Panel'
      'TLMDLMDClock=Panel'
      'TLMDTrackbar=panel'
      'TLMDListCombobox=combobox'
      'TLMDCheckListCombobox=combobox'
      'TLMDHeaderListCombobox=combobox'
      'TLMDImageCombobox=combobox'
      'TLMDColorCombobox=combobox'
      'TLMDFontCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDFontSizeCombobox=combobox'
      'TLMDPrinterCombobox=combobox'
      'TLMDDriveCombobox=combobox'
      'TLMDCalculatorComboBox=combobox'
      'TLMDTrackBarComboBox=combobox'
      'TLMDCalendarComboBox=combobox'
      'TLMDTreeComboBox=combobox'
      'TLMDRADIOGROUP=radiogroup'
      'TLMDCheckGroup=CheckGroup'
      'TLMDDBRADIOGROUP=radiogroup'
      'TLMDDBCheckGroup=CheckGroup'
      'TLMDCalculatorEdit=edit'
      'TLMDEDIT=Edit'
      'TLMDMASKEDIT=Edit'
      'TLMDBROWSEEDIT=Edit'
      'TLMDEXTSPINEDIT=Edit'
      'TLMDCALENDAREDIT=Edit'
      'TLMDFILEOPENEDIT=Edit'
      'TLMDFILESAVEEDIT=Edit'
      'TLMDCOLOREDIT=Edit'
      'TLMDDBEDIT=Edit'
      'TLMDDBMASKEDIT=Edit'
      'TLMDDBEXTSPINEDIT=Edit'
      'TLMDDBSPINEDIT=Edit'
      'TLMDDBEDITDBLookup=Edit'
      'TLMDEDITDBLookup=Edit'
      'TDBLookupCombobox=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWDBLookupCombo=Combobox'
      'TWWDBCombobox=Combobox'
      'TWWKeyCombo=Combobox'
      'TWWTempKeyCombo=combobox'
      'TWWDBDateTimePicker=Combobox'
      'TWWRADIOGROUP=radiogroup'
      'TWWDBEDIT=Edit'
      'TcxButton=bitbtn'
      'TcxDBRadioGroup=radiogroup'
      'TcxRadioGroup=radiogroup'
      'TcxGroupbox=groupbox'
      'TOVCPICTUREFIELD=Edit'
      'TOVCDBPICTUREFIELD=Edit'
      'TOVCSLIDEREDIT=Edit'
      'TOVCDBSLIDEREDIT=Edit'
      'TOVCSIMPLEFIELD=Edit'
      'TOVCDBSIMPLEFIELD=Edit'
      'TO32DBFLEXEDIT=Edit'
      'TOVCNUMERICFIELD=Edit'
      'TOVCDBNUMERICFIELD=Edit')
    SkinStore = '(none)'
    SkinFormtype = sfMainform
    Version = '4.81.04.30'
    MenuUpdate = True
    MenuMerge = False
    SkinStream = {00000000}
  end
end
