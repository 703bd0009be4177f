object DemoForm: TDemoForm
  Left = 60
  Top = 40
  Caption = 'Toolkit demo'
  ClientWidth = 640
  ClientHeight = 440
  Position = poScreenCenter
  Menu = MainMenu
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
    ActivePage = tabControls
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
