object GalleryForm: TGalleryForm
  Left = 20
  Top = 20
  Caption = 'Skin gallery'
  ClientWidth = 816
  ClientHeight = 628
  Menu = MainMenu
  OnCreate = FormCreate
  object lblButtons: TLabel
    Left = 8
    Top = 14
    Caption = 'Buttons'
  end
  object btnNormal: TButton
    Left = 100
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Normal'
  end
  object btnHot: TButton
    Left = 186
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Hot'
  end
  object btnPressed: TButton
    Left = 272
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Pressed'
  end
  object btnFocused: TButton
    Left = 358
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Focused'
  end
  object btnDefault: TButton
    Left = 444
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Default'
    Default = True
  end
  object btnDisabled: TButton
    Left = 530
    Top = 10
    Width = 80
    Height = 25
    Caption = 'Disabled'
    Enabled = False
  end
  object lblBitButtons: TLabel
    Left = 8
    Top = 46
    Caption = 'Bit buttons'
  end
  object bbnNormal: TBitBtn
    Left = 100
    Top = 42
    Width = 86
    Height = 27
    Kind = bkOK
  end
  object bbnHot: TBitBtn
    Left = 192
    Top = 42
    Width = 86
    Height = 27
    Kind = bkCancel
  end
  object bbnPressed: TBitBtn
    Left = 284
    Top = 42
    Width = 86
    Height = 27
    Kind = bkYes
  end
  object bbnDisabled: TBitBtn
    Left = 376
    Top = 42
    Width = 86
    Height = 27
    Kind = bkNo
    Enabled = False
  end
  object lblSpeedButtons: TLabel
    Left = 8
    Top = 80
    Caption = 'Speed buttons'
  end
  object sbNormal: TSpeedButton
    Left = 100
    Top = 76
    Width = 76
    Height = 25
    Caption = 'Normal'
  end
  object sbHot: TSpeedButton
    Left = 182
    Top = 76
    Width = 76
    Height = 25
    Caption = 'Hot'
  end
  object sbPressed: TSpeedButton
    Left = 264
    Top = 76
    Width = 76
    Height = 25
    Caption = 'Pressed'
  end
  object sbDown: TSpeedButton
    Left = 346
    Top = 76
    Width = 76
    Height = 25
    Caption = 'Down'
    GroupIndex = 1
    Down = True
  end
  object sbDisabled: TSpeedButton
    Left = 428
    Top = 76
    Width = 76
    Height = 25
    Caption = 'Disabled'
    Enabled = False
  end
  object sbFlat: TSpeedButton
    Left = 510
    Top = 76
    Width = 76
    Height = 25
    Caption = 'Flat'
    Flat = True
  end
  object lblCheckBoxes: TLabel
    Left = 8
    Top = 112
    Caption = 'Check boxes'
  end
  object chkNormal: TCheckBox
    Left = 100
    Top = 110
    Width = 80
    Height = 20
    Caption = 'Normal'
  end
  object chkChecked: TCheckBox
    Left = 186
    Top = 110
    Width = 80
    Height = 20
    Caption = 'Checked'
    Checked = True
  end
  object chkGrayed: TCheckBox
    Left = 272
    Top = 110
    Width = 104
    Height = 20
    Caption = 'Indeterminate'
    AllowGrayed = True
    State = cbGrayed
  end
  object chkHot: TCheckBox
    Left = 382
    Top = 110
    Width = 60
    Height = 20
    Caption = 'Hot'
  end
  object chkPressed: TCheckBox
    Left = 448
    Top = 110
    Width = 80
    Height = 20
    Caption = 'Pressed'
  end
  object chkDisabled: TCheckBox
    Left = 534
    Top = 110
    Width = 80
    Height = 20
    Caption = 'Disabled'
    Enabled = False
  end
  object chkDisabledChecked: TCheckBox
    Left = 620
    Top = 110
    Width = 130
    Height = 20
    Caption = 'Disabled, checked'
    Checked = True
    Enabled = False
  end
  object lblRadioButtons: TLabel
    Left = 8
    Top = 138
    Caption = 'Radio buttons'
  end
  object radNormal: TRadioButton
    Left = 100
    Top = 136
    Width = 80
    Height = 20
    Caption = 'Normal'
  end
  object radChecked: TRadioButton
    Left = 186
    Top = 136
    Width = 80
    Height = 20
    Caption = 'Checked'
    Checked = True
  end
  object radHot: TRadioButton
    Left = 272
    Top = 136
    Width = 60
    Height = 20
    Caption = 'Hot'
  end
  object radPressed: TRadioButton
    Left = 338
    Top = 136
    Width = 80
    Height = 20
    Caption = 'Pressed'
  end
  object radDisabled: TRadioButton
    Left = 424
    Top = 136
    Width = 80
    Height = 20
    Caption = 'Disabled'
    Enabled = False
  end
  object pnlRadioGroupOfOne: TPanel
    Left = 510
    Top = 136
    Width = 140
    Height = 20
    BevelOuter = bvNone
    object radDisabledChecked: TRadioButton
      Left = 0
      Top = 0
      Width = 140
      Height = 20
      Caption = 'Disabled, checked'
      Checked = True
      Enabled = False
    end
  end
  object lblEdits: TLabel
    Left = 8
    Top = 168
    Caption = 'Edits'
  end
  object edtNormal: TEdit
    Left = 100
    Top = 164
    Width = 100
    Height = 21
    Text = 'Edit box'
  end
  object edtDisabled: TEdit
    Left = 206
    Top = 164
    Width = 100
    Height = 21
    Text = 'Disabled'
    Enabled = False
  end
  object edtReadOnly: TEdit
    Left = 312
    Top = 164
    Width = 100
    Height = 21
    Text = 'Read-only'
    ReadOnly = True
  end
  object spnCount: TSpinEdit
    Left = 418
    Top = 164
    Width = 70
    Height = 21
    MinValue = 0
    MaxValue = 100
    Value = 25
  end
  object edtLevel: TEdit
    Left = 494
    Top = 164
    Width = 50
    Height = 21
  end
  object udLevel: TUpDown
    Associate = edtLevel
    Max = 9
    Position = 3
  end
  object lblComboBoxes: TLabel
    Left = 8
    Top = 198
    Caption = 'Combo boxes'
  end
  object cmbNormal: TComboBox
    Left = 100
    Top = 194
    Width = 120
    Text = 'Combo box'
    Items.Strings = (
      'Combo box'
      'Second item')
  end
  object cmbList: TComboBox
    Left = 226
    Top = 194
    Width = 120
    Style = csDropDownList
    Items.Strings = (
      'Drop-down list'
      'Second item')
    ItemIndex = 0
  end
  object cmbHot: TComboBox
    Left = 352
    Top = 194
    Width = 120
    Text = 'Hot'
  end
  object cmbDisabled: TComboBox
    Left = 478
    Top = 194
    Width = 120
    Text = 'Disabled'
    Enabled = False
  end
  object lblLists: TLabel
    Left = 8
    Top = 232
    Caption = 'Lists, text'
  end
  object lstItems: TListBox
    Left = 100
    Top = 228
    Width = 120
    Height = 96
    Items.Strings = (
      'List box'
      'Second item'
      'Third item'
      'Fourth item'
      'Fifth item'
      'Sixth item'
      'Seventh item'
      'Eighth item')
  end
  object mmoNotes: TMemo
    Left = 226
    Top = 228
    Width = 150
    Height = 96
    ScrollBars = ssVertical
    Lines.Strings = (
      'A memo with a vertical'
      'scroll bar and more'
      'lines than it shows.'
      'Fourth line'
      'Fifth line'
      'Sixth line'
      'Seventh line')
  end
  object rchLog: TRichEdit
    Left = 382
    Top = 228
    Width = 150
    Height = 96
    PlainText = True
    Lines.Strings = (
      'A rich edit box.')
  end
  object grpGroup: TGroupBox
    Left = 538
    Top = 228
    Width = 130
    Height = 96
    Caption = 'Group box'
    object chkInGroup: TCheckBox
      Left = 10
      Top = 24
      Width = 110
      Height = 20
      Caption = 'In the group'
      Checked = True
    end
    object radInGroup: TRadioButton
      Left = 10
      Top = 50
      Width = 110
      Height = 20
      Caption = 'In the group'
      Checked = True
    end
  end
  object pnlPanel: TPanel
    Left = 674
    Top = 228
    Width = 130
    Height = 96
    BevelOuter = bvLowered
    Caption = 'Panel'
  end
  object lblGroups: TLabel
    Left = 8
    Top = 338
    Caption = 'Groups, tabs'
  end
  object rgpSize: TRadioGroup
    Left = 100
    Top = 334
    Width = 170
    Height = 100
    Caption = 'Radio group'
    ItemIndex = 1
    Items.Strings = (
      'Small'
      'Medium'
      'Large')
  end
  object pgcPages: TPageControl
    Left = 276
    Top = 334
    Width = 200
    Height = 100
    ActivePage = tabFirst
    object tabFirst: TTabSheet
      Caption = 'Page control'
      object lblOnPage: TLabel
        Left = 10
        Top = 12
        Caption = 'A sheet of a page control'
      end
    end
    object tabSecond: TTabSheet
      Caption = 'Second'
    end
  end
  object tcViews: TTabControl
    Left = 482
    Top = 334
    Width = 170
    Height = 60
    TabIndex = 1
    Tabs.Strings = (
      'Tab control'
      'Details')
  end
  object tsSheets: TTabSet
    Left = 482
    Top = 402
    Width = 170
    Height = 22
    TabIndex = 0
    Tabs.Strings = (
      'Tab set'
      'Sheet 2')
  end
  object hdrColumns: THeaderControl
    Align = alNone
    Left = 658
    Top = 334
    Width = 150
    Height = 22
    Sections = <
      item
        Text = 'Header'
        Width = 75
      end
      item
        Text = 'Control'
        Width = 75
      end>
  end
  object lblBars: TLabel
    Left = 8
    Top = 452
    Caption = 'Bars'
  end
  object prgHalf: TProgressBar
    Left = 100
    Top = 448
    Width = 150
    Height = 18
    Position = 60
  end
  object prgVertical: TProgressBar
    Left = 256
    Top = 442
    Width = 18
    Height = 40
    Orientation = pbVertical
    Position = 40
  end
  object trkLevel: TTrackBar
    Left = 280
    Top = 442
    Width = 150
    Height = 36
    Max = 20
    Position = 8
  end
  object trkDisabled: TTrackBar
    Left = 436
    Top = 442
    Width = 150
    Height = 36
    Max = 20
    Position = 14
    Enabled = False
  end
  object dtpDue: TDateTimePicker
    Left = 592
    Top = 446
    Width = 130
    Height = 24
    Date = 45000
  end
  object lblViews: TLabel
    Left = 8
    Top = 496
    Caption = 'Views'
  end
  object lvFiles: TListView
    Left = 100
    Top = 492
    Width = 200
    Height = 100
    ViewStyle = vsReport
    RowSelect = True
    Columns = <
      item
        Caption = 'List view'
        Width = 120
      end
      item
        Alignment = taRightJustify
        Caption = 'Size'
        Width = 60
      end>
  end
  object sbxFields: TScrollBox
    Left = 306
    Top = 492
    Width = 110
    Height = 100
    object lblFar: TLabel
      Left = 6
      Top = 6
      Caption = 'Scroll box'
    end
    object lblFarther: TLabel
      Left = 6
      Top = 160
      Caption = 'Scrolled far'
    end
  end
  object tbEdit: TToolBar
    Left = 422
    Top = 492
    Width = 260
    Height = 40
    Flat = True
    ShowCaptions = True
    object tbnNew: TToolButton
      Caption = 'Tool bar'
    end
    object tbnHot: TToolButton
      Caption = 'Hot'
    end
    object tbnGap: TToolButton
      Width = 8
      Style = tbsSeparator
    end
    object tbnBold: TToolButton
      Caption = 'Down'
      Style = tbsCheck
      Down = True
    end
  end
  object mpHot: TMediaPlayer
    Left = 422
    Top = 538
    Width = 253
    Height = 26
    EnabledButtons = [btPlay, btPause, btStop, btNext, btPrev, btStep, btBack]
    ColoredButtons = [btPlay, btPause, btStop]
  end
  object mpPressed: TMediaPlayer
    Left = 422
    Top = 568
    Width = 253
    Height = 26
    EnabledButtons = [btPlay, btPause, btStop, btNext, btPrev, btStep, btBack]
  end
  object bvlFrame: TBevel
    Left = 692
    Top = 492
    Width = 112
    Height = 100
    Shape = bsFrame
  end
  object imgPicture: TImage
    Left = 704
    Top = 502
    Width = 88
    Height = 80
    Center = True
  end
  object StatusBar: TStatusBar
    Align = alBottom
    Panels = <
      item
        Text = 'Status bar'
        Width = 160
      end
      item
        Width = 300
      end
      item
        Text = 'Last panel'
      end>
  end
  object MainMenu: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuExit: TMenuItem
        Caption = 'E&xit'
        OnClick = mnuExitClick
      end
    end
    object mnuView: TMenuItem
      Caption = '&View'
      object mnuStatusBar: TMenuItem
        AutoCheck = True
        Caption = '&Status bar'
        Checked = True
      end
    end
    object mnuHelp: TMenuItem
      Caption = '&Help'
    end
  end
  object SkinData: TSkinData
    Active = False
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton, xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcSpin, xcPanel, xcGroupBox, xcStatusBar, xcTab, xcTrackBar, xcSystemMenu]
  end
end
