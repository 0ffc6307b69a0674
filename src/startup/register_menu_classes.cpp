#include "startup/register_menu_classes.h"

#include "audio/music_player.h"
#include "controls/button.h"
#include "controls/comment_shower.h"
#include "controls/cool_button.h"
#include "controls/cool_label.h"
#include "controls/hot_label.h"
#include "controls/image.h"
#include "controls/scroll_text.h"
#include "controls/shape.h"
#include "controls/text_animator.h"
#include "text/html_label.h"
#include "text/rich_edit.h"
#include "text/text_box.h"
#include "viewers/flash_player.h"
#include "viewers/media_player.h"
#include "viewers/pdf_viewer.h"
#include "viewers/web_browser.h"
#include "window/thread_timer.h"

void RegisterMenuClasses(TClassRegistry& registry) {
  // The order is the registration order documents were written against.
  for (const TClassInfo* cls : {
           &TKIVHotLabel::StaticClass(),       &TKIVButton::StaticClass(),
           &TKIVCoolButton::StaticClass(),     &TKIVCoolLabel::StaticClass(),
           &TKIVCoolText::StaticClass(),       &TKIVShape::StaticClass(),
           &TKIVTextAnimator::StaticClass(),   &TKIVScrollText::StaticClass(),
           &TKIVTextBox::StaticClass(),        &TKIVImage::StaticClass(),
           &TKIVCommentShower::StaticClass(),  &TKIVGraphicCommentShower::StaticClass(),
           &TKIVThreadTimer::StaticClass(),    &TKIVFlash::StaticClass(),
           &TKIVWebBrowser::StaticClass(),     &TKIVMediaPlayer::StaticClass(),
           &TKIVRichEdit::StaticClass(),       &TKIVPDFViewer::StaticClass(),
           &TKIVHtmlLabel::StaticClass(),      &TKIVAudierePlayer::StaticClass(),
       })
    registry.RegisterClass(*cls);
}
