// Anchors the pictavo_ui library; windows and platform services live beside it.
namespace pictavo::ui {
const char* applicationName() { return "Pictavo"; }
}  // namespace pictavo::ui
