// Desktop notifications for the reminders the device delivers. The app shows its own banner on
// the page either way; this adds the desktop's notification where the browser grants one. A
// browser asks its user only in answer to a gesture, so the question waits for the first tap
// after a reminder arrived while permission was still undecided.

let askOnGesture = false;

function ask() {
  askOnGesture = false;
  Notification.requestPermission().catch(() => {});
}

// A {"type": "notification", "title", "body"} message (WIRE.md).
export function notify(message) {
  const title = typeof message.title === 'string' ? message.title : '';
  const body = typeof message.body === 'string' ? message.body : '';
  if (typeof Notification !== 'function') return;
  if (Notification.permission === 'granted') {
    try {
      new Notification(title, { body });
    } catch (error) {
      // Some browsers offer notifications to service workers only.
      console.warn(`No desktop notification: ${error.message}`);
    }
  } else if (Notification.permission === 'default' && !askOnGesture) {
    askOnGesture = true;
    window.addEventListener('pointerdown', ask, { once: true, capture: true });
  }
}
