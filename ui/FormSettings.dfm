object FrmSettings: TFrmSettings
  Left = 350
  Top = 150
  BorderIcons = [biSystemMenu]
  BorderStyle = bsToolWindow
  Caption = 'Settings'
  ClientWidth = 524
  ClientHeight = 335
  AlphaBlend = True
  AlphaBlendValue = 245
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  TextHeight = 13
  TextWidth = 211
  ShowHint = True
  ActiveControl = btnOk
  OnCreate = FormCreate
  object PageControl: TPageControl
    Left = 0
    Top = 0
    Width = 524
    Height = 308
    ActivePage = tabGeneral
    Align = alTop
    object tabGeneral: TTabSheet
      Caption = 'General'
      object chkSkins: TCheckBox
        Left = 41
        Top = 73
        Width = 97
        Height = 17
        Hint = 'Enable skin system'
        Caption = 'Use skins'
        State = cbChecked
      end
      object chkSounds: TCheckBox
        Left = 41
        Top = 97
        Width = 97
        Height = 17
        Hint = 'Enable sound system'
        Caption = 'Use sounds'
        State = cbChecked
        Enabled = False
      end
      object GroupHelp: TGroupBox
        Left = 234
        Top = 35
        Width = 231
        Height = 113
        Caption = 'Help'
        OnClick = DecideHints
        object lblHintHide: TLabel
          Left = 38
          Top = 88
          Caption = 'Hide hint after                    miliseconds.'
        end
        object radHintsOff: TRadioButton
          Left = 38
          Top = 26
          Width = 185
          Height = 17
          Hint = 
            'Don'#39't use the embeded help system. No pop-up will appear and no' +
            ' info will be displayed in status bar.'
          Caption = 'Turn off the embeded help system'
          OnClick = radHintsOffClick
        end
        object radHintsTooltips: TRadioButton
          Left = 38
          Top = 45
          Width = 185
          Height = 17
          Hint = 
            'Show a hint when you hold the mouse cursor over an item (button,' +
            ' checkbox, etc)'
          Caption = 'Show help as tool-tips'
          Checked = True
          OnClick = DecideHints
        end
        object radHintsStatBar: TRadioButton
          Left = 38
          Top = 65
          Width = 185
          Height = 17
          Hint = 'Show information about an item in status bar.'
          Caption = 'Show help in status bar also'
          OnClick = DecideHints
        end
        object spnHideHint: TSpinEdit
          Left = 109
          Top = 85
          Width = 51
          Height = 22
          MaxValue = 20000
          MinValue = 800
          Increment = 50
          Value = 4000
          OnChange = spnHideHintChange
        end
      end
    end
  end
  object btnOk: TButton
    Left = 368
    Top = 310
    Width = 77
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = 'OK'
    Default = True
    OnClick = btnOkClick
  end
  object btnApply: TButton
    Left = 448
    Top = 310
    Width = 75
    Height = 25
    Anchors = [akRight, akBottom]
    Caption = 'Apply'
    OnClick = btnApplyClick
  end
end
