object DemoForm: TDemoForm
  Left = 60
  Top = 40
  Caption = 'Toolkit demo'
  ClientWidth = 640
  ClientHeight = 440
  Position = poScreenCenter
  Menu = MainMenu
  OnCreate = FormCreate
  object StatusBar: TStatusBar
    Align = alBottom
    Panels = <
      item
        Text = 'Ready'
        Width = 160
      end
      item
        Alignment = taCenter
        Text = 'Panel two'
        Width = 120
      end
      item
        Text = 'Last panel'
      end>
  end
  object pnlFiles: TPanel
    Align = alLeft
    Width = 220
    BevelOuter = bvNone
    object Drives: TDriveComboBox
      Left = 8
      Top = 8
      Width = 204
      DirList = Folders
    end
    object Folders: TDirectoryListBox
      Left = 8
      Top = 36
      Width = 204
      Height = 170
      FileList = Files
    end
    object Files: TFileListBox
      Left = 8
      Top = 212
      Width = 204
      Height = 180
      Mask = '*.*'
    end
  end
  object Splitter: TSplitter
    Align = alLeft
    Width = 4
  end
  object Pages: TPageControl
    Align = alClient
    ActivePage = tabMore
    object tabControls: TTabSheet
      Caption = 'Controls'
      object lblName: TLabel
        Left = 16
        Top = 18
        Caption = '&Name:'
      end
      object edtName: TEdit
        Left = 80
        Top = 14
        Width = 200
        Text = 'Edit box'
      end
      object lblCount: TLabel
        Left = 16
        Top = 50
        Caption = 'Count:'
      end
      object spnCount: TSpinEdit
        Left = 80
        Top = 46
        Width = 80
        MinValue = 0
        MaxValue = 100
        Increment = 5
        Value = 25
      end
      object lblLevel: TLabel
        Left = 184
        Top = 50
        Caption = 'Level:'
      end
      object edtLevel: TEdit
        Left = 228
        Top = 46
        Width = 52
      end
      object udLevel: TUpDown
        Associate = edtLevel
        Max = 9
        Position = 3
      end
      object chkEnabled: TCheckBox
        Left = 16
        Top = 84
        Width = 180
        Caption = 'Check box (checked)'
        Checked = True
      end
      object chkPlain: TCheckBox
        Left = 16
        Top = 106
        Width = 180
        Caption = 'Check box'
      end
      object grpChoice: TGroupBox
        Left = 16
        Top = 136
        Width = 200
        Height = 90
        Caption = 'Group box'
        object radFirst: TRadioButton
          Left = 12
          Top = 24
          Width = 170
          Caption = 'First choice'
          Checked = True
        end
        object radSecond: TRadioButton
          Left = 12
          Top = 50
          Width = 170
          Caption = 'Second choice'
        end
      end
      object pnlSample: TPanel
        Left = 232
        Top = 136
        Width = 160
        Height = 90
        BevelOuter = bvLowered
        Caption = 'Panel'
      end
      object btnOk: TButton
        Left = 232
        Top = 250
        Width = 75
        Height = 25
        Caption = 'OK'
        Default = True
        OnClick = btnOkClick
      end
      object btnClose: TButton
        Left = 316
        Top = 250
        Width = 75
        Height = 25
        Caption = 'Close'
        Cancel = True
        OnClick = mnuExitClick
      end
    end
    object tabMore: TTabSheet
      Caption = 'More'
      object btnGlyph: TBitBtn
        Left = 12
        Top = 10
        Width = 90
        Height = 28
        Kind = bkOK
      end
      object sbBold: TSpeedButton
        Left = 112
        Top = 12
        Width = 26
        Height = 24
        Caption = 'B'
        GroupIndex = 1
        Down = True
      end
      object sbItalic: TSpeedButton
        Left = 140
        Top = 12
        Width = 26
        Height = 24
        Caption = 'I'
        GroupIndex = 1
      end
      object sbFlat: TSpeedButton
        Left = 168
        Top = 12
        Width = 50
        Height = 24
        Caption = 'Flat'
        Flat = True
      end
      object prgRun: TProgressBar
        Left = 230
        Top = 14
        Width = 160
        Height = 18
        Position = 60
      end
      object trkLevel: TTrackBar
        Left = 8
        Top = 44
        Width = 200
        Height = 40
        Max = 20
        Position = 8
        Frequency = 2
      end
      object grpSize: TRadioGroup
        Left = 220
        Top = 40
        Width = 170
        Height = 64
        Caption = 'Radio group'
        Columns = 2
        ItemIndex = 1
        Items.Strings = (
          'Small'
          'Medium'
          'Large')
      end
      object bvlLine: TBevel
        Left = 8
        Top = 110
        Width = 382
        Height = 4
        Shape = bsTopLine
      end
      object imgDemo: TImage
        Left = 330
        Top = 230
        Width = 60
        Height = 60
        Center = True
      end
      object tsSheets: TTabSet
        Left = 8
        Top = 120
        Width = 200
        Height = 22
        TabIndex = 0
        Tabs.Strings = (
          'Sheet 1'
          'Sheet 2'
          'Sheet 3')
      end
      object tcViews: TTabControl
        Left = 220
        Top = 116
        Width = 170
        Height = 50
        TabIndex = 1
        Tabs.Strings = (
          'Icons'
          'Details')
      end
      object hdrCols: THeaderControl
        Align = alNone
        Left = 8
        Top = 150
        Width = 200
        Height = 20
        Sections = <
          item
            Text = 'Header'
            Width = 100
          end
          item
            Text = 'Control'
            Width = 100
          end>
      end
      object lvFiles: TListView
        Left = 8
        Top = 176
        Width = 200
        Height = 90
        ViewStyle = vsReport
        RowSelect = True
        Columns = <
          item
            Caption = 'File'
            Width = 120
          end
          item
            Alignment = taRightJustify
            Caption = 'Tags'
            Width = 60
          end>
      end
      object sbxFields: TScrollBox
        Left = 220
        Top = 176
        Width = 100
        Height = 90
        object lblFar: TLabel
          Left = 6
          Top = 150
          Caption = 'Scrolled far'
        end
      end
      object mpSound: TMediaPlayer
        Left = 8
        Top = 280
        Width = 253
        Height = 30
        EnabledButtons = [btPlay, btPause, btStop]
      end
      object tbEdit: TToolBar
        Left = 8
        Top = 318
        Width = 253
        Height = 40
        Flat = True
        ShowCaptions = True
        object tbNew: TToolButton
          Caption = 'New'
        end
        object tbOpen: TToolButton
          Caption = 'Open'
        end
        object tbGap: TToolButton
          Width = 8
          Style = tbsSeparator
        end
        object tbBold: TToolButton
          Caption = 'Bold'
          Style = tbsCheck
          Down = True
        end
      end
      object dtpDue: TDateTimePicker
        Left = 270
        Top = 318
        Width = 130
        Date = 45000
        Time = 0.75
      end
    end
    object tabText: TTabSheet
      Caption = 'Text'
      object mmoNotes: TMemo
        Align = alTop
        Height = 150
        ScrollBars = ssVertical
        Lines.Strings = (
          'A memo with two lines.'
          'Second line.')
      end
      object rchLog: TRichEdit
        Align = alClient
        Color = clBlack
        Font.Color = clLime
        PlainText = True
      end
    end
  end
  object MainMenu: TMainMenu
    object mnuFile: TMenuItem
      Caption = '&File'
      object mnuOpen: TMenuItem
        Caption = '&Open'
        Default = True
        ShortCut = 16463
        OnClick = btnOkClick
      end
      object N1: TMenuItem
        Caption = '-'
      end
      object mnuExit: TMenuItem
        Caption = 'E&xit'
        ShortCut = 32883
        OnClick = mnuExitClick
      end
    end
    object mnuView: TMenuItem
      Caption = '&View'
      object mnuStatus: TMenuItem
        AutoCheck = True
        Caption = 'Status bar'
        Checked = True
        ShortCut = 120
      end
    end
  end
  object Timer: TTimer
    Interval = 1000
    OnTimer = TimerTick
  end
end
