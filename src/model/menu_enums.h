#pragma once
// Enumerations of the menu's stored properties (ordinal = position), shared by the window and
// the controls. Each is stored by value name.

#include "model/enum_type.h"

TELVO_ENUM(TKIVActionType, aatNone, aatRunProgram, aatOpenDocument, aatExplore, aatGotoWeb, aatMail, aatPopupMessage,
           aatShowPicture, aatSlideShow, aatControlIA, aatJumpToPage, aatMinimize, aatCopy, aatPrint, aatExit, aatEject)
TELVO_ENUM(TKIVBGMusicControl, amcNone, amcPlayBGMusic, amcStopBGMusic, amcStopAndResume)
TELVO_ENUM(TSPWindowStyle, swsNormal, swsNoBorder, swsShaped)
TELVO_ENUM(TKIVFillStyle, afsNormal, afsGradient, afsGlyph)
TELVO_ENUM(TKIVGradFillStyle, agsLinearH, agsLinearV, agsReflectedH, agsReflectedV, agsRectangleC, agsRectangleL,
           agsRectangleR, agsRectangleT, agsRectangleB, agsRectangleLT, agsRectangleLB, agsRectangleRT,
           agsRectangleRB, agsRadialC, agsRadialL, agsRadialR, agsRadialT, agsRadialB, agsRadialLT, agsRadialLB,
           agsRadialRT, agsRadialRB, agsDiagonalLF, agsDiagonalLB, agsDiagonalRF, agsDiagonalRB, agsArrowL,
           agsArrowR, agsArrowU, agsArrowD, agsDiamond, agsButterfly)
TELVO_ENUM(TKIVWindowStyle, awsNormal, awsNoBorder, awsFullScreen, awsShaped)
TELVO_ENUM(TKIVPosition, apsLeftTop, apsLeftBottom, apsRightTop, apsRightBottom)
TELVO_ENUM(TKIVTextRenderMode, atmSystemDefault, atmAntiAlias)
TELVO_ENUM(TKIVGlyphLayout, aglGlyphLeft, aglGlyphRight, aglGlyphTop, aglGlyphBottom)
TELVO_ENUM(TKIVButtonStyle, absWindows, absNormal, absSolid, absSemiTransparent, absTransparent, absFlat, absNoBorder,
           absHotSpot)
TELVO_ENUM(TKIVCoolButtonTextStyle, abtNormal, abtLowered, abtRaised)
TELVO_ENUM(TKIVHotLabelStyle, aalNormal, aalOutLine, aalUnderLine, aalFrame, aalBackground, aalGradBackground)
TELVO_ENUM(TKIVCoolLabelStyle, aclNormal, aclHighLight, aclOutLine)
TELVO_ENUM(TKIVCoolLabelShadowStyle, acsNormal, acsExtrude, acsSoft)
TELVO_ENUM(TKIVShapeStyle, assRectangle, assSquare, assRoundRect, assRoundSquare, assEllipse, assCircle,
           assTriangleLeft, assTriangleRight, assTriangleUp, assTriangleDown, assDiamond, assPolygon)
TELVO_ENUM(TKIVShapeShadowStyle, astSolid, astSemiTransparent)
TELVO_ENUM(TKIVTextAnimatorStyle, ataAll, ataRandom, ataWave, ataWind)
TELVO_ENUM(TKIVScrollTextDirection, asdBottomToTop, asdTopToBottom, asdRightToLeft, asdLeftToRight)
TELVO_ENUM(TKIVTextBoxBorderStyle, atbNone, atbNormal, atbFlat)
TELVO_ENUM(TKIVWebBrowserControlBarStyle, awbFull, awbMini, awbNone)
TELVO_ENUM(TKIVMediaPlayerControlBarStyle, ambFull, ambMini, ambNone)
TELVO_ENUM(TKIVFlashQuality, afqLow, afqMedium, afqHigh)
TELVO_ENUM(TKIVFlashScale, afsShowAll, afsStretch, afsNoScale)
