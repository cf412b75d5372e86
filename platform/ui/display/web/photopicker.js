// The photo library picker: the label opens the browser's file chooser for images; the chosen
// file goes up unchanged to /picked/ (the session cookie authorises it) and the picker's `change`
// handler gets the identifier the server answers. A file over 25 MB is not sent: the picker says
// so for a few seconds and nothing changes. A later choice simply sends a later event, so the
// last photo chosen is the one the app keeps.
import { h } from 'preact';
import { useRef, useState } from 'preact/hooks';

export const MAX_PHOTO_BYTES = 25 * 1024 * 1024;

function PhotoPicker({ node, ctx, style, renderLabel }) {
  const input = useRef(null);
  const [message, setMessage] = useState(null);
  const change = node.on?.change;
  const disabled = ctx.disabled || !change;
  const say = (text) => {
    setMessage(text);
    setTimeout(() => setMessage(null), 4000);
  };
  const chosen = async (event) => {
    const file = event.target.files?.[0];
    event.target.value = '';
    if (!file || !change) return;
    if (file.size > MAX_PHOTO_BYTES) {
      say('This photo is larger than 25 MB and cannot be used.');
      return;
    }
    try {
      const response = await fetch('/picked/', { method: 'POST', body: file, credentials: 'same-origin' });
      if (!response.ok) throw new Error(String(response.status));
      const { file: id } = await response.json();
      ctx.send(change, { file: id });
    } catch {
      say('The photo could not be loaded. Please try again.');
    }
  };
  return h('div', {
    key: node.id, 'data-id': node.id, class: 'n single photopicker', style,
    role: 'button', tabIndex: disabled ? -1 : 0,
    'aria-label': node.p?.label ?? 'Choose Photo',
    'aria-disabled': disabled ? 'true' : undefined,
    onClick: () => !disabled && input.current?.click(),
    onKeyDown: (event) => {
      if (!disabled && (event.key === 'Enter' || event.key === ' ')) {
        event.preventDefault();
        input.current?.click();
      }
    },
  }, [
    renderLabel(),
    h('input', {
      key: 'file', ref: input, type: 'file', accept: 'image/*', hidden: true,
      'aria-hidden': 'true', tabIndex: -1, onChange: chosen,
    }),
    message && h('div', { key: 'msg', class: 'photopicker-message', role: 'alert' }, message),
  ]);
}

export function renderPhotoPicker(node, ctx, style, renderNode) {
  return h(PhotoPicker, {
    key: node.id, node, ctx, style,
    renderLabel: () => renderNode(node.c?.[0], ctx, 'single'),
  });
}
