#include "controls/comment_showers.h"

#include "controls/action_control.h"
#include "controls/comment_shower.h"
#include "window/menu_context.h"

namespace {

template <class TShower>
void ForEachShower(TComponent& owner, const std::function<void(TShower&)>& visit) {
  for (const auto& component : owner.Components()) {
    if (auto* shower = dynamic_cast<TShower*>(component.get())) visit(*shower);
    ForEachShower(*component, visit);
  }
}

void ForEachControl(TComponent& owner, const std::function<void(TControl&)>& visit) {
  for (const auto& component : owner.Components()) {
    if (auto* control = dynamic_cast<TControl*>(component.get())) visit(*control);
    ForEachControl(*component, visit);
  }
}

}  // namespace

TControl* ControlUnderPoint(TKIVForm& form, TPoint point) {
  TWinControl* container = &form;
  TControl* found = nullptr;
  while (container) {
    TControl* hit = nullptr;
    const auto& children = container->Controls();
    for (auto child = children.rbegin(); child != children.rend() && !hit; ++child)
      if ((*child)->Visible() &&
          TRect::FromSize((*child)->Left(), (*child)->Top(), (*child)->Width(), (*child)->Height()).Contains(point))
        hit = *child;
    if (!hit) break;
    found = hit;
    point = {point.x - hit->Left(), point.y - hit->Top()};
    container = dynamic_cast<TWinControl*>(hit);
  }
  return found;
}

std::string CommentOf(const TControl* control) {
  for (; control; control = control->Parent()) {
    const std::string& hint = control->Hint();
    if (hint.empty()) continue;
    const size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
  }
  return {};
}

void ShowCommentOf(TKIVForm& form, TControl* control) {
  if (control && control->Parent() != &form) control = nullptr;
  const std::string text = CommentOf(control);
  std::optional<std::string>& shown = form.Context().shownComment;
  if (shown == text) return;
  shown = text;
  TPicture* picture = nullptr;
  if (auto* action = dynamic_cast<TKIVActionControl*>(control)) picture = action->GraphicComment();
  ForEachShower<TKIVCommentShower>(form, [&](TKIVCommentShower& shower) {
    shower.SetCaption(shower.Visible() ? text : std::string());
  });
  ForEachShower<TKIVGraphicCommentShower>(form, [&](TKIVGraphicCommentShower& shower) {
    if (!shower.Visible() || !picture || picture->Empty()) {
      if (!shower.Pic()->Empty()) shower.Pic()->Clear();
    } else {
      shower.SetPic(*picture);
    }
  });
}
