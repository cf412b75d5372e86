// Turns the view tree of the wire format (platform/ui/WIRE.md) into preact elements: the table
// from node type to the builder that draws it. The builders live by concern: style.js (inherited
// style and paint), layout.js (stacks and wrappers), content.js (what draws), controls.js,
// chrome.js (tabs, stacks, pages), overlays.js (sheets, alerts), motion.js (entering, leaving,
// animations); tree.js walks the tree with this table.

import { builders, renderNode } from './tree.js';
import {
  renderClip, renderFrame, renderGrid, renderLayered, renderList, renderLooseSection, renderOffset,
  renderOpacity, renderPadding, renderSafeArea, renderScroll, renderSpacer, renderZStack, stack,
} from './layout.js';
import {
  renderColor, renderDivider, renderGradient, renderImage, renderParticles, renderProgress,
  renderShape, renderSymbol, renderText,
} from './content.js';
import {
  renderButton, renderDatePicker, renderField, renderLink, renderMenu, renderPicker, renderToggle,
} from './controls.js';
import { renderNavStack, renderPage, renderTabView } from './chrome.js';
import { renderPresenting } from './overlays.js';
import { renderAnimated, renderTransition } from './motion.js';
import { renderPhotoPicker } from './photopicker.js';

Object.assign(builders, {
  vstack: stack('v'),
  lazyvstack: stack('v'),
  hstack: stack('h'),
  lazyhstack: stack('h'),
  zstack: renderZStack,
  grid: renderGrid,
  spacer: renderSpacer,
  empty: () => null,
  text: renderText,
  symbol: renderSymbol,
  image: renderImage,
  color: renderColor,
  gradient: renderGradient,
  shape: renderShape,
  particles: renderParticles,
  divider: renderDivider,
  progress: renderProgress,
  scroll: renderScroll,
  list: renderList,
  section: renderLooseSection,
  padding: renderPadding,
  frame: renderFrame,
  background: renderLayered(true),
  overlay: renderLayered(false),
  clip: renderClip,
  opacity: renderOpacity,
  offset: renderOffset,
  safearea: renderSafeArea,
  button: renderButton,
  toggle: renderToggle,
  textfield: renderField('textfield'),
  texteditor: renderField('texteditor'),
  searchfield: renderField('searchfield'),
  datepicker: renderDatePicker,
  picker: renderPicker,
  menu: renderMenu,
  link: renderLink,
  tabview: renderTabView,
  navstack: renderNavStack,
  page: renderPage,
  presenting: renderPresenting,
  // Drawn on the window layer by the display, not where they appear in the tree.
  sheet: () => null,
  alert: () => null,
  transition: renderTransition,
  animated: renderAnimated,
  photopicker: (node, ctx, style) => renderPhotoPicker(node, ctx, style, renderNode),
});

export { renderNode } from './tree.js';
export { renderOverlay } from './overlays.js';
export { animationTiming, Presence } from './motion.js';
