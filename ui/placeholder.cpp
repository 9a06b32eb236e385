// Keeps the widget library non-empty until its first widget lands.
namespace ui { void placeholder() {} }
