object AboutBox: TAboutBox
  BorderIcons = [biSystemMenu]
  BorderStyle = bsSingle
  Caption = 'About'
  ClientHeight = 271
  ClientWidth = 429
  Color = 13160660
  Font.Color = clBlack
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  TextHeight = 13
  TextWidth = 211
  AlphaBlend = True
  AlphaBlendValue = 240
  Position = poScreenCenter
  OnClick = CloseOnClick
  OnCreate = FormCreate
  object lblVersion: TLabel
    Left = 10
    Top = 14
    Caption = 'Version'
    Transparent = True
  end
  object lblCopyRight: TLabel
    Left = 11
    Top = 45
    Caption = 'Copyright'
    Transparent = True
  end
  object InternetLabel: TInternetLabel
    Left = 166
    Top = 247
    Width = 111
    Height = 13
    Anchors = [akLeft, akBottom]
    AutoSize = False
    Caption = 'pelmar-tools.example'
    Font.Color = clBlack
    Font.Height = -11
    Font.Name = 'MS Sans Serif'
    Font.Style = [fsUnderline]
    Transparent = True
    Link = 'http://www.pelmar-tools.example/'
  end
end
