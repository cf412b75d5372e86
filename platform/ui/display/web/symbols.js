// The one table from the app's symbol names to drawings of the icon set (@tabler/icons, SVG).
// Filled drawings stand for ".fill" names where the set has them.

const table = {
  'arrowshape.turn.up.right': 'outline/share-3',
  'bell.badge': 'filled/bell-ringing',
  'brain.fill': 'outline/brain',
  'brain.head.profile': 'outline/brain',
  calendar: 'outline/calendar',
  'calendar.badge.checkmark': 'outline/calendar-check',
  'calendar.badge.clock': 'outline/calendar-time',
  camera: 'outline/camera',
  'camera.fill': 'filled/camera',
  checkmark: 'outline/check',
  'checkmark.circle.fill': 'filled/circle-check',
  'checkmark.seal': 'outline/rosette-discount-check',
  'chevron.forward': 'outline/chevron-right',
  'chevron.left': 'outline/chevron-left',
  'chevron.right': 'outline/chevron-right',
  'circle.fill': 'filled/circle',
  clock: 'outline/clock',
  'cloud.fill': 'filled/cloud',
  'cloud.sun': 'outline/sun-high',
  drop: 'outline/droplet',
  'drop.degreesign.fill': 'filled/droplet-half-2',
  'drop.fill': 'filled/droplet',
  ellipsis: 'outline/dots',
  'ellipsis.circle': 'outline/dots-circle-horizontal',
  'exclamationmark.magnifyingglass': 'outline/zoom-exclamation',
  'exclamationmark.triangle.fill': 'filled/alert-triangle',
  gear: 'filled/settings',
  graduationcap: 'outline/school',
  'heart.text.square.fill': 'outline/heart-rate-monitor',
  'info.circle': 'outline/info-circle',
  leaf: 'outline/leaf',
  'leaf.arrow.triangle.circlepath': 'outline/recycle',
  'leaf.circle.fill': 'filled/leaf',
  'leaf.fill': 'filled/leaf',
  'lightbulb.fill': 'filled/bulb',
  magnifyingglass: 'outline/search',
  'menucard.fill': 'filled/clipboard-list',
  'note.text': 'outline/notes',
  'photo.badge.plus': 'outline/photo-plus',
  'photo.on.rectangle.angled': 'outline/library-photo',
  plus: 'outline/plus',
  'plus.circle.fill': 'filled/circle-plus',
  'quote.bubble': 'outline/message-2',
  sparkles: 'outline/sparkles',
  'star.bubble': 'outline/message-star',
  'star.fill': 'filled/star',
  'sun.max.fill': 'filled/sun',
  thermometer: 'outline/temperature',
  trash: 'outline/trash',
  xmark: 'outline/x',
  'xmark.circle.fill': 'filled/circle-x',
  '1.circle': 'outline/circle-number-1',
  '2.circle': 'outline/circle-number-2',
  '3.circle': 'outline/circle-number-3',
  '4.circle': 'outline/circle-number-4',
  '5.circle': 'outline/circle-number-5',
};

const reported = new Set();

// The address of the drawing for `name`, or null (logged once per name) when the table has none.
export function symbolURL(name) {
  const drawing = table[name];
  if (drawing) return `/npm/@tabler/icons/icons/${drawing}.svg`;
  if (!reported.has(name)) {
    reported.add(name);
    console.warn(`Unknown symbol ${name}`);
  }
  return null;
}

export const symbolNames = Object.keys(table);
