object FileTestForm: TFileTestForm
  Left = 200
  Top = 150
  BorderStyle = bsDialog
  Caption = 'Settings'
  ClientHeight = 120
  ClientWidth = 240
  AlphaBlend = True
  AlphaBlendValue = 245
  Menu = mnuMain
  OnCreate = FormCreate
  object pnlMain: TProbePanel
    Align = alTop
    Height = 60
    Hint = 'Short|Long text'
    ShowHint = True
    object btnInner: TProbeButton
      Left = 8
      Top = 8
      Caption = 'Inner'
    end
  end
  object btnOk: TProbeButton
    Left = 150
    Top = 80
    Anchors = [akRight, akBottom]
    Caption = 'OK'
    Hint = 'Confirm'
    OnClick = btnOkClick
  end
  object mnuMain: TProbeMenu
  end
end
